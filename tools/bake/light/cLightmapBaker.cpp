#include "cLightmapBaker.h"

#include "base/Pi.h"
#include "cLightmapAtlas.h"
#include "cPaintNoise.h"
#include "cTexelGrid.h"

#include <embree3/rtcore.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <stdexcept>
#include <thread>

namespace {

constexpr uint32_t kLampSamples = 6; // shadow rays to the lamps per texel
constexpr int kSkySamples = 4;       // shadow rays towards the skylight
constexpr int kGatherRays = 12;      // hemisphere rays for the bounce and the occlusion
constexpr float kSmoothTexels = 3;   // the reach of the light's averaging, in texels
constexpr float kOcclusionReach = 140;
constexpr float kExposure = 0.5f;
constexpr float kGamma = 1.4f;

// The n-th 0..1 number of a texel's own sequence: the same whatever thread bakes it.
float rnd(uint32_t seed, uint32_t n) {
    return float(cPaintNoise::hash(int(n), 0, 0, seed) >> 8) / 16777216.0f;
}

// An orthonormal frame around n.
void frame(const Vec3f& n, Vec3f& t, Vec3f& b) {
    t = (std::fabs(n.x) > 0.5f ? Vec3f(0, 1, 0) : Vec3f(1, 0, 0)).cross(n).normalized();
    b = n.cross(t);
}

RTCRay ray_from(const Vec3f& o, const Vec3f& d, float far) {
    RTCRay ray{};
    ray.org_x = o.x, ray.org_y = o.y, ray.org_z = o.z;
    ray.dir_x = d.x, ray.dir_y = d.y, ray.dir_z = d.z;
    ray.tnear = 0, ray.tfar = far, ray.mask = 0xffffffffu, ray.flags = 0;
    return ray;
}

} // namespace

struct cLightmapBaker::cMap {
    int size = 0;
    std::vector<cTexel> texels;
    std::vector<sRgb> lamps, sky;            // irradiance straight from the lamps and the skylight
    std::vector<sRgb> bounce_on, bounce_off; // light from the rest of the room
    std::vector<float> open;                 // 1 where nothing is near, 0 in a crevice
    std::vector<sRgb> off, on;               // what the maps show, before tone mapping
};

cLightmapBaker::cLightmapBaker(std::vector<cPiece> pieces, std::vector<cLightSurface> surfaces,
                               cLightRig rig)
    : pieces_(std::move(pieces)), surfaces_(std::move(surfaces)), rig_(std::move(rig)) {
    for (const cPiece& piece : pieces_)
        if (piece.surface < 0 || size_t(piece.surface) >= surfaces_.size())
            throw std::runtime_error("a light-map piece names a surface that is not there");
    build_scene();
}

cLightmapBaker::~cLightmapBaker() {
    for (cMap* map : maps_)
        delete map;
    if (scene_)
        rtcReleaseScene(RTCScene(scene_));
    if (device_)
        rtcReleaseDevice(RTCDevice(device_));
}

void cLightmapBaker::build_scene() {
    RTCDevice device = rtcNewDevice("threads=1");
    if (!device)
        throw std::runtime_error("cannot start the ray tracer");
    device_ = device;
    RTCScene scene = rtcNewScene(device);
    scene_ = scene;
    for (const cPiece& piece : pieces_) {
        const cBakeMesh& mesh = *piece.mesh;
        RTCGeometry geometry = rtcNewGeometry(device, RTC_GEOMETRY_TYPE_TRIANGLE);
        auto* v = static_cast<float*>(rtcSetNewGeometryBuffer(geometry, RTC_BUFFER_TYPE_VERTEX, 0,
                                                              RTC_FORMAT_FLOAT3, 3 * sizeof(float),
                                                              mesh.vertex_count()));
        for (size_t i = 0; i < mesh.vertex_count(); ++i)
            v[3 * i] = mesh.positions[i].x, v[3 * i + 1] = mesh.positions[i].y,
                  v[3 * i + 2] = mesh.positions[i].z;
        auto* t = static_cast<unsigned*>(
            rtcSetNewGeometryBuffer(geometry, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3,
                                    3 * sizeof(unsigned), mesh.triangles.size()));
        for (size_t i = 0; i < mesh.triangles.size(); ++i)
            for (int k = 0; k < 3; ++k)
                t[3 * i + size_t(k)] = mesh.triangles[i][size_t(k)];
        rtcCommitGeometry(geometry);
        rtcAttachGeometry(scene, geometry);
        rtcReleaseGeometry(geometry);
        maps_.push_back(new cMap);
    }
    rtcCommitScene(scene);
}

template <class F> uint64_t cLightmapBaker::in_parallel(int rows, F work) {
    const unsigned count = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<uint64_t> rays(count, 0);
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < count; ++w)
        threads.emplace_back([&, w] {
            for (int row = int(w); row < rows; row += int(count))
                work(row, rays[w]);
        });
    for (auto& t : threads)
        t.join();
    uint64_t sum = 0;
    for (uint64_t r : rays)
        sum += r;
    return sum;
}

void cLightmapBaker::rasterize(size_t piece, cMap& map) const {
    const cBakeMesh& mesh = *pieces_[piece].mesh;
    const int size = pieces_[piece].size;
    map.size = size;
    map.texels.assign(size_t(size) * size, cTexel{});
    for (const auto& tri : mesh.triangles) {
        float px[3], py[3];
        for (int k = 0; k < 3; ++k)
            px[k] = mesh.texcoords[tri[size_t(k)]].u * float(size),
            py[k] = mesh.texcoords[tri[size_t(k)]].v * float(size);
        const float det = (py[1] - py[2]) * (px[0] - px[2]) + (px[2] - px[1]) * (py[0] - py[2]);
        if (std::fabs(det) < 1e-12f)
            continue;
        const int x0 = std::max(0, int(std::floor(std::min({px[0], px[1], px[2]}))));
        const int x1 = std::min(size - 1, int(std::ceil(std::max({px[0], px[1], px[2]}))));
        const int y0 = std::max(0, int(std::floor(std::min({py[0], py[1], py[2]}))));
        const int y1 = std::min(size - 1, int(std::ceil(std::max({py[0], py[1], py[2]}))));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const float cx = float(x) + 0.5f, cy = float(y) + 0.5f;
                const float a =
                    ((py[1] - py[2]) * (cx - px[2]) + (px[2] - px[1]) * (cy - py[2])) / det;
                const float b =
                    ((py[2] - py[0]) * (cx - px[2]) + (px[0] - px[2]) * (cy - py[2])) / det;
                const float c = 1 - a - b;
                if (a < -1e-4f || b < -1e-4f || c < -1e-4f)
                    continue;
                cTexel& texel = map.texels[size_t(y) * size + size_t(x)];
                texel.position = mesh.positions[tri[0]] * a + mesh.positions[tri[1]] * b +
                                 mesh.positions[tri[2]] * c;
                texel.normal =
                    (mesh.normals[tri[0]] * a + mesh.normals[tri[1]] * b + mesh.normals[tri[2]] * c)
                        .normalized();
                texel.covered = true;
            }
    }
}

bool cLightmapBaker::visible(const Vec3f& from, const Vec3f& to) const {
    const Vec3f d = to - from;
    const float length = d.length();
    RTCIntersectContext context;
    rtcInitIntersectContext(&context);
    RTCRay ray = ray_from(from, d * (1 / length), length * 0.999f - 0.05f);
    rtcOccluded1(RTCScene(scene_), &context, &ray);
    return ray.tfar >= 0;
}

sRgb cLightmapBaker::lamps_at(const Vec3f& p, const Vec3f& n, uint32_t seed, uint64_t& rays) const {
    // Shadow rays go to the lamps in proportion to what each could give the texel unshadowed,
    // so far and grazing lamps cost few rays; each ray is weighted back by that share.
    auto reach = [&](const Vec3f& target) {
        const Vec3f l = target - p;
        const float d2 = l.dot(l), cosine = n.dot(l) / std::sqrt(d2);
        return std::max(0.0f, cosine + 0.05f) / (d2 + rig_.lamp_softness * rig_.lamp_softness);
    };
    std::vector<float> share(rig_.lamps.size());
    float total = 0;
    for (size_t k = 0; k < rig_.lamps.size(); ++k)
        total += share[k] = reach(rig_.lamps[k].position);
    if (total <= 0)
        return sRgb{};
    float sum = 0;
    const Vec3f from = p + n * 0.4f;
    for (uint32_t s = 0; s < kLampSamples; ++s) {
        float pick = (float(s) + rnd(seed, 3 * s)) / kLampSamples * total;
        size_t k = 0;
        while (k + 1 < rig_.lamps.size() && pick >= share[k])
            pick -= share[k++];
        const cLightLamp& lamp = rig_.lamps[k];
        // A point on the half of the bulb that faces the texel.
        const float z = 2 * rnd(seed, 3 * s + 1) - 1, a = 2 * kPi * rnd(seed, 3 * s + 2);
        const float r = std::sqrt(std::max(0.0f, 1 - z * z));
        Vec3f dir(r * std::cos(a), r * std::sin(a), z);
        if (dir.dot(lamp.position - p) > 0)
            dir = -dir;
        const Vec3f target = lamp.position + dir * lamp.radius;
        const Vec3f l = target - p;
        const float d2 = l.dot(l), cosine = n.dot(l) / std::sqrt(d2);
        if (cosine <= 0)
            continue;
        ++rays;
        if (visible(from, target))
            sum += cosine / (d2 + rig_.lamp_softness * rig_.lamp_softness) * total / share[k];
    }
    return rig_.lamp_colour * (rig_.lamp_power * sum / kLampSamples);
}

sRgb cLightmapBaker::sky_at(const Vec3f& p, const Vec3f& n, uint32_t seed, uint64_t& rays) const {
    // The skylight as a disc of light at the shaft's top: area sampling finds it from every
    // texel that can see it, where hemisphere rays would rarely hit it.
    const float area = kPi * rig_.skylight_radius * rig_.skylight_radius;
    float sum = 0;
    const Vec3f from = p + n * 0.4f;
    for (int s = 0; s < kSkySamples; ++s) {
        const float r = rig_.skylight_radius *
                        std::sqrt((float(s) + rnd(seed, 100 + uint32_t(s))) / kSkySamples);
        const float a = 2 * kPi * rnd(seed, 200 + uint32_t(s));
        const Vec3f target(r * std::cos(a), rig_.skylight_height, r * std::sin(a));
        const Vec3f l = target - p;
        const float d2 = l.dot(l), d = std::sqrt(d2);
        const float cos_here = n.dot(l) / d, cos_there = l.y / d;
        if (cos_here <= 0 || cos_there <= 0)
            continue;
        ++rays;
        if (visible(from, target))
            sum += cos_here * cos_there * area / d2 / kSkySamples;
    }
    return rig_.sky_colour * sum;
}

void cLightmapBaker::direct_pass(cMap& map, uint64_t& rays) const {
    map.lamps.assign(map.texels.size(), sRgb{});
    map.sky.assign(map.texels.size(), sRgb{});
    rays += in_parallel(map.size, [&](int row, uint64_t& count) {
        for (int x = 0; x < map.size; ++x) {
            const size_t i = size_t(row) * size_t(map.size) + size_t(x);
            const cTexel& t = map.texels[i];
            if (!t.covered)
                continue;
            map.lamps[i] = lamps_at(t.position, t.normal, uint32_t(i) * 3u + 17u, count);
            map.sky[i] = sky_at(t.position, t.normal, uint32_t(i) * 5u + 3u, count);
        }
    });
    // Carry covered texels' light into the gutter, where bounce rays may land.
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < map.texels.size(); ++i)
            if (!map.texels[i].covered && map.lamps[i].r == 0 && map.sky[i].r == 0) {
                const int x = int(i % size_t(map.size)), y = int(i / size_t(map.size));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= map.size || ny >= map.size)
                            continue;
                        const size_t j = size_t(ny) * size_t(map.size) + size_t(nx);
                        if (map.texels[j].covered) {
                            map.lamps[i] = map.lamps[j], map.sky[i] = map.sky[j];
                        }
                    }
            }
}

void cLightmapBaker::bounce_from(unsigned geometry, unsigned triangle, float u, float v, sRgb& on,
                                 sRgb& off) const {
    const cMap& map = *maps_[geometry];
    if (map.lamps.empty())
        return;
    const cBakeMesh& mesh = *pieces_[geometry].mesh;
    const auto& tri = mesh.triangles[triangle];
    const float w = 1 - u - v;
    const float tu =
        mesh.texcoords[tri[0]].u * w + mesh.texcoords[tri[1]].u * u + mesh.texcoords[tri[2]].u * v;
    const float tv =
        mesh.texcoords[tri[0]].v * w + mesh.texcoords[tri[1]].v * u + mesh.texcoords[tri[2]].v * v;
    const int x = std::clamp(int(tu * float(map.size)), 0, map.size - 1);
    const int y = std::clamp(int(tv * float(map.size)), 0, map.size - 1);
    const size_t i = size_t(y) * size_t(map.size) + size_t(x);
    // The surface's mean colour: light bounced off it is too soft to show its grain.
    const sRgb a = surface(geometry).base;
    on = on + a * (map.lamps[i] + map.sky[i]);
    off = off + a * map.sky[i];
}

void cLightmapBaker::gather_pass(size_t piece, cMap& map, uint64_t& rays) const {
    map.bounce_on.assign(map.texels.size(), sRgb{});
    map.bounce_off.assign(map.texels.size(), sRgb{});
    map.open.assign(map.texels.size(), 1.0f);
    rays += in_parallel(map.size, [&](int row, uint64_t& count) {
        RTCIntersectContext context;
        rtcInitIntersectContext(&context);
        for (int x = 0; x < map.size; ++x) {
            const size_t i = size_t(row) * size_t(map.size) + size_t(x);
            const cTexel& t = map.texels[i];
            if (!t.covered)
                continue;
            Vec3f tx, bx;
            frame(t.normal, tx, bx);
            sRgb bounce_on, bounce_off;
            float open = 0;
            const uint32_t seed = uint32_t(i) * 7u + 11u;
            for (int s = 0; s < kGatherRays; ++s) {
                // Cosine-weighted, stratified over the hemisphere.
                const float u1 = (float(s % 3) + rnd(seed, 300 + uint32_t(s))) / 3;
                const float u2 = (float(s / 3) + rnd(seed, 400 + uint32_t(s))) / 4;
                const float r = std::sqrt(u1), a = 2 * kPi * u2;
                const Vec3f d =
                    tx * (r * std::cos(a)) + bx * (r * std::sin(a)) + t.normal * std::sqrt(1 - u1);
                RTCRayHit hit{};
                hit.ray = ray_from(t.position + t.normal * 0.4f, d, 1e5f);
                hit.hit.geomID = RTC_INVALID_GEOMETRY_ID;
                rtcIntersect1(RTCScene(scene_), &context, &hit);
                ++count;
                if (hit.hit.geomID == RTC_INVALID_GEOMETRY_ID) {
                    open += 1;
                    continue;
                }
                open += std::min(1.0f, hit.ray.tfar / kOcclusionReach);
                bounce_from(hit.hit.geomID, hit.hit.primID, hit.hit.u, hit.hit.v, bounce_on,
                            bounce_off);
            }
            const float inv = 1.0f / kGatherRays;
            map.open[i] = open * inv;
            map.bounce_on[i] = bounce_on * inv;
            map.bounce_off[i] = bounce_off * inv;
        }
    });
    compose(piece, map);
}

float cLightmapBaker::texel_length(size_t piece, const cMap& map) const {
    const cBakeMesh& mesh = *pieces_[piece].mesh;
    float area = 0;
    for (const auto& tri : mesh.triangles)
        area += 0.5f * (mesh.positions[tri[1]] - mesh.positions[tri[0]])
                           .cross(mesh.positions[tri[2]] - mesh.positions[tri[0]])
                           .length();
    size_t covered = 0;
    for (const cTexel& t : map.texels)
        covered += t.covered;
    return std::sqrt(area / float(std::max<size_t>(covered, 1)));
}

void cLightmapBaker::compose(size_t piece, cMap& map) const {
    // The lamps' and the sky's light (a few shadow rays) and the gathered light (a dozen rays)
    // are noisy and change slowly over a surface: each is averaged over the covered texels
    // that lie near on the room's surface and face the same way, whatever chart holds them,
    // so that a chart's seam shows no step.
    const float reach = kSmoothTexels * texel_length(piece, map);
    std::vector<Vec3f> positions(map.texels.size());
    std::vector<char> covered(map.texels.size());
    for (size_t i = 0; i < map.texels.size(); ++i)
        positions[i] = map.texels[i].position, covered[i] = map.texels[i].covered;
    const cTexelGrid grid(positions, covered, reach);
    map.off.assign(map.texels.size(), sRgb{});
    map.on.assign(map.texels.size(), sRgb{});
    for (size_t i = 0; i < map.texels.size(); ++i) {
        const cTexel& t = map.texels[i];
        if (!t.covered)
            continue;
        sRgb on, off, lamps, sky;
        float open = 0, weight = 0;
        grid.near(t.position, reach, [&](uint32_t j, float distance) {
            if (map.texels[j].normal.dot(t.normal) < 0.8f)
                return;
            const float d = distance / reach;
            const float w = 1 - d * d;
            on = on + map.bounce_on[j] * w, off = off + map.bounce_off[j] * w;
            lamps = lamps + map.lamps[j] * w, sky = sky + map.sky[j] * w;
            open += map.open[j] * w, weight += w;
        });
        const float inv = 1.0f / weight;
        const sRgb a = albedo(piece, t.position);
        map.off[i] = moonlit(a * (sky * inv + off * inv + rig_.ambient_off * (open * inv)));
        map.on[i] = a * (lamps * inv + sky * inv + on * inv + rig_.ambient_on * (open * inv));
        if (lit_bulb(piece, t.position)) {
            map.on[i] = rig_.bulb_on;
            map.off[i] = rig_.bulb_off;
        }
    }
}

bool cLightmapBaker::lit_bulb(size_t piece, const Vec3f& p) const {
    if (!surface(piece).bulbs)
        return false;
    for (const cLightLamp& lamp : rig_.lamps)
        if ((p - lamp.position).length() < lamp.radius * 1.3f)
            return true;
    return false;
}

const cLightSurface& cLightmapBaker::surface(size_t piece) const {
    return surfaces_[size_t(pieces_[piece].surface)];
}

sRgb cLightmapBaker::albedo(size_t piece, const Vec3f& p) const {
    const cLightSurface& s = surface(piece);
    return s.texture ? s.texture(p, s.base) : s.base;
}

sRgb cLightmapBaker::moonlit(sRgb c) const {
    const float luminance = 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
    return rig_.moon_tint * luminance;
}

void cLightmapBaker::finish(size_t piece, const cMap& map, cLightmapPair& out) const {
    const int size = map.size;
    const size_t n = map.texels.size();
    std::vector<sRgb> layers[2] = {map.off, map.on};
    std::vector<char> filled(n);
    for (size_t i = 0; i < n; ++i)
        filled[i] = map.texels[i].covered;
    // Grow the charts into their gutters so that filtering at a chart's edge stays on it.
    for (int pass = 0; pass < 2 * cLightmapAtlas::kGutter + 2; ++pass) {
        std::vector<char> next = filled;
        for (size_t i = 0; i < n; ++i) {
            if (filled[i])
                continue;
            const int x = int(i % size_t(size)), y = int(i / size_t(size));
            sRgb sum[2];
            int count = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= size || ny >= size)
                        continue;
                    const size_t j = size_t(ny) * size_t(size) + size_t(nx);
                    if (!filled[j])
                        continue;
                    sum[0] = sum[0] + layers[0][j], sum[1] = sum[1] + layers[1][j], ++count;
                }
            if (count) {
                layers[0][i] = sum[0] * (1.0f / float(count));
                layers[1][i] = sum[1] * (1.0f / float(count));
                next[i] = 1;
            }
        }
        filled.swap(next);
    }
    // What is still empty takes the map's mean, so that small mipmap levels do not darken
    // the charts' edges.
    for (int l = 0; l < 2; ++l) {
        sRgb mean;
        float count = 0;
        for (size_t i = 0; i < n; ++i)
            if (filled[i])
                mean = mean + layers[l][i], count += 1;
        mean = mean * (1.0f / std::max(count, 1.0f));
        for (size_t i = 0; i < n; ++i)
            if (!filled[i])
                layers[l][i] = mean;
    }
    out.size = size;
    std::vector<uint8_t>* bytes[2] = {&out.off, &out.on};
    for (int l = 0; l < 2; ++l) {
        bytes[l]->resize(3 * n);
        for (size_t i = 0; i < n; ++i) {
            const float c[3] = {layers[l][i].r, layers[l][i].g, layers[l][i].b};
            for (int k = 0; k < 3; ++k) {
                // Filmic shoulder, display gamma, highlights kept under white, dithered.
                const float v = std::pow(1.0f - std::exp(-c[k] * kExposure), 1 / kGamma) * 0.95f;
                const float d =
                    rnd(uint32_t(i) + uint32_t(piece) * 7919u, uint32_t(k + 3 * l)) - 0.5f;
                (*bytes[l])[3 * i + size_t(k)] = uint8_t(std::clamp(v * 255 + d, 0.0f, 255.0f));
            }
        }
    }
}

std::vector<cLightmapPair> cLightmapBaker::bake(cBakeStats& stats) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpu_start = std::clock();
    uint64_t rays = 0;
    for (size_t p = 0; p < pieces_.size(); ++p) {
        if (!pieces_[p].wanted)
            continue;
        rasterize(p, *maps_[p]);
        direct_pass(*maps_[p], rays);
    }
    std::vector<cLightmapPair> result(pieces_.size());
    for (size_t p = 0; p < pieces_.size(); ++p)
        if (pieces_[p].wanted) {
            gather_pass(p, *maps_[p], rays);
            finish(p, *maps_[p], result[p]);
        }
    stats.rays += rays;
    stats.cpu_seconds += double(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    stats.seconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}
