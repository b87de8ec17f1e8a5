#include "cLightmapAtlas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <stdexcept>
#include <tuple>

namespace {

constexpr float kChartCosine = 0.82f; // about 35 degrees of bend within one chart
constexpr float kChartReach = 240.0f; // keeps rings and arcs from becoming hollow charts

using tEdge = std::pair<uint32_t, uint32_t>;

// Vertices welded by position, so that charts grow across split normals too.
std::vector<uint32_t> welded(const cBakeMesh& mesh) {
    std::map<std::tuple<long, long, long>, uint32_t> ids;
    std::vector<uint32_t> out(mesh.vertex_count());
    for (size_t i = 0; i < mesh.vertex_count(); ++i) {
        const Vec3f& p = mesh.positions[i];
        const auto key =
            std::make_tuple(std::lround(p.x * 100), std::lround(p.y * 100), std::lround(p.z * 100));
        out[i] = ids.emplace(key, uint32_t(ids.size())).first->second;
    }
    return out;
}

Vec3f centroid(const cBakeMesh& mesh, size_t i) {
    const auto& t = mesh.triangles[i];
    return (mesh.positions[t[0]] + mesh.positions[t[1]] + mesh.positions[t[2]]) * (1.0f / 3.0f);
}

float area(const cBakeMesh& mesh, size_t i) {
    const auto& t = mesh.triangles[i];
    const Vec3f& a = mesh.positions[t[0]];
    return 0.5f * (mesh.positions[t[1]] - a).cross(mesh.positions[t[2]] - a).length();
}

} // namespace

std::vector<cLightmapAtlas::cChart> cLightmapAtlas::charts(const cBakeMesh& mesh,
                                                           const std::vector<float>& density) {
    const std::vector<uint32_t> weld = welded(mesh);
    std::map<tEdge, std::vector<uint32_t>> edges;
    for (uint32_t i = 0; i < mesh.triangles.size(); ++i)
        for (int e = 0; e < 3; ++e) {
            uint32_t a = weld[mesh.triangles[i][size_t(e)]],
                     b = weld[mesh.triangles[i][size_t(e + 1) % 3]];
            edges[{std::min(a, b), std::max(a, b)}].push_back(i);
        }
    std::vector<int> owner(mesh.triangles.size(), -1);
    std::vector<cChart> list;
    for (uint32_t seed = 0; seed < mesh.triangles.size(); ++seed) {
        if (owner[seed] >= 0 || area(mesh, seed) <= 0)
            continue;
        cChart chart;
        const Vec3f n = mesh.face_normal(seed), origin = centroid(mesh, seed);
        chart.density = density.empty() ? 1.0f : density[seed];
        std::vector<uint32_t> open{seed};
        owner[seed] = int(list.size());
        while (!open.empty()) {
            const uint32_t t = open.back();
            open.pop_back();
            chart.triangles.push_back(t);
            for (int e = 0; e < 3; ++e) {
                uint32_t a = weld[mesh.triangles[t][size_t(e)]],
                         b = weld[mesh.triangles[t][size_t(e + 1) % 3]];
                for (uint32_t o : edges[{std::min(a, b), std::max(a, b)}]) {
                    const float d = density.empty() ? 1.0f : density[o];
                    if (owner[o] < 0 && d == chart.density && area(mesh, o) > 0 &&
                        mesh.face_normal(o).dot(n) >= kChartCosine &&
                        (centroid(mesh, o) - origin).length() < kChartReach) {
                        owner[o] = int(list.size());
                        open.push_back(o);
                    }
                }
            }
        }
        // Walls keep their rows level: u runs horizontally wherever the chart is not flat.
        const Vec3f up = std::fabs(n.y) < 0.9f ? Vec3f(0, 1, 0) : Vec3f(1, 0, 0);
        chart.axis_u = up.cross(n).normalized();
        chart.axis_v = n.cross(chart.axis_u);
        float lo_u = 1e30f, hi_u = -1e30f, lo_v = 1e30f, hi_v = -1e30f;
        for (uint32_t t : chart.triangles)
            for (uint32_t k : mesh.triangles[t]) {
                const float u = mesh.positions[k].dot(chart.axis_u),
                            v = mesh.positions[k].dot(chart.axis_v);
                lo_u = std::min(lo_u, u), hi_u = std::max(hi_u, u);
                lo_v = std::min(lo_v, v), hi_v = std::max(hi_v, v);
            }
        chart.min_u = lo_u, chart.min_v = lo_v;
        chart.width = hi_u - lo_u, chart.height = hi_v - lo_v;
        list.push_back(chart);
    }
    return list;
}

bool cLightmapAtlas::pack(std::vector<cChart>& charts, float scale, int size) {
    // Shelves, tallest charts first; each chart takes its texels plus a gutter all round.
    std::vector<size_t> order(charts.size());
    std::iota(order.begin(), order.end(), 0);
    auto texels = [&](float extent, float density) {
        return int(std::ceil(extent * scale * density)) + 1 + 2 * kGutter;
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return texels(charts[a].height, charts[a].density) >
               texels(charts[b].height, charts[b].density);
    });
    int x = 0, y = 0, shelf = 0;
    for (size_t i : order) {
        const int w = texels(charts[i].width, charts[i].density);
        const int h = texels(charts[i].height, charts[i].density);
        if (w > size)
            return false;
        if (x + w > size)
            x = 0, y += shelf, shelf = 0;
        if (y + h > size)
            return false;
        charts[i].x = x, charts[i].y = y;
        x += w, shelf = std::max(shelf, h);
    }
    return true;
}

cBakeMesh cLightmapAtlas::layout(const cBakeMesh& mesh, int size,
                                 const std::vector<float>& density) {
    std::vector<cChart> list = charts(mesh, density);
    double weighted = 0;
    for (const cChart& c : list)
        weighted += double(c.width * c.height) * c.density * c.density;
    float scale = float(std::sqrt(0.8 * size * size / std::max(weighted, 1e-6)));
    while (!pack(list, scale, size)) {
        scale *= 0.95f;
        if (scale < 1e-6f)
            throw std::runtime_error("light map charts do not fit");
    }
    cBakeMesh out;
    for (const cChart& c : list) {
        std::map<uint32_t, uint32_t> remap;
        for (uint32_t t : c.triangles) {
            uint32_t corner[3];
            for (int k = 0; k < 3; ++k) {
                const uint32_t v = mesh.triangles[t][size_t(k)];
                auto found = remap.find(v);
                if (found == remap.end()) {
                    const Vec3f& p = mesh.positions[v];
                    const float s = scale * c.density;
                    const cTexCoord uv{
                        (float(c.x + kGutter) + 0.5f + (p.dot(c.axis_u) - c.min_u) * s) /
                            float(size),
                        (float(c.y + kGutter) + 0.5f + (p.dot(c.axis_v) - c.min_v) * s) /
                            float(size)};
                    found = remap.emplace(v, out.add_vertex(p, mesh.normals[v], uv)).first;
                }
                corner[k] = found->second;
            }
            out.add_triangle(corner[0], corner[1], corner[2]);
        }
    }
    return out;
}
