#include "cPointSplatter.h"

#include "base/ParallelFor.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Tiles of 32 x 32 pixels keep a tile's points on pixels in the cache; a footprint (at most
// 25 pixels wide) reaches no further than the next tile row.
constexpr int kTile = 32;

// The picture's rows lie a whole number of cache lines plus one apart: at a power-of-two
// width a tile's rows would otherwise all fall in the same few sets of the first-level cache
// and push each other out.
int row_stride(int width) {
    constexpr int kLine = 4; // v4 pixels in a 64-byte cache line
    return (width + kLine - 1) / kLine * kLine + kLine;
}

// A job's parts: a few for each core, so that a core the renderer's threads hold for a while
// leaves its share to the others.
int job_parts() {
    return 4 * parallel_parts();
}

// Splits [0, count) into `parts` runs: part i's first element.
size_t part_start(size_t count, int parts, int i) {
    return count * static_cast<size_t>(i) / static_cast<size_t>(parts);
}

cPointSplatter::sRect unite(const cPointSplatter::sRect& a, const cPointSplatter::sRect& b) {
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

} // namespace

void cPointSplatter::begin(int width, int height) {
    if (width != width_ || height != height_) {
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        stride_ = row_stride(width_);
        rgba_.assign(static_cast<size_t>(stride_) * static_cast<size_t>(height_), v4{0, 0, 0, 0});
        tiles_x_ = (width_ + kTile - 1) / kTile;
        tiles_y_ = (height_ + kTile - 1) / kTile;
    }
    styles_.clear();
    kept_ = 0;
    touched_ = {};
}

void cPointSplatter::prepare(int width, int height, size_t points,
                             const std::vector<float>& sizes) {
    begin(width, height);
    if (points_.size() < points)
        points_.resize(points);
    if (binned_.size() < points)
        binned_.resize(points);
    for (float size : sizes)
        coverage_for(size);
}

void cPointSplatter::add(const sPointSource& source, const float* m, const sPointStyle& style) {
    const cPointCoverage& coverage = coverage_for(style.size);
    const auto index = static_cast<uint16_t>(styles_.size());
    // Each point adds its colour times its alpha, and to alpha its alpha squared, as GL's
    // blending by source alpha does.
    sStyle added;
    added.colour = v4{style.r * style.a, style.g * style.a, style.b * style.a, style.a * style.a};
    added.coverage = &coverage;
    styles_.push_back(added);
    const size_t first = kept_;
    kept_ += size_t(std::max(source.count, 0));
    if (points_.size() < kept_)
        points_.resize(kept_); // grown only: each point is written below
    const int parts = job_parts();
    std::vector<sRect> rects(static_cast<size_t>(parts),
                             {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN});
    parallel_for(parts, [&](int part) {
        sRect rect = rects[size_t(part)]; // a local: the parts' rectangles share a cache line
        const size_t end = part_start(size_t(source.count), parts, part + 1);
        size_t i = part_start(size_t(source.count), parts, part);
        for (; i + 4 <= end; i += 4)
            project4(source.xyz + i * source.stride, source.stride, m, index, coverage,
                     &points_[first + i], rect);
        for (; i < end; ++i)
            points_[first + i] = project(source.xyz + i * source.stride, m, index, coverage, rect);
        rects[size_t(part)] = rect;
    });
    for (const sRect& rect : rects)
        touched_ = unite(touched_, {std::max(rect.x0, 0), std::max(rect.y0, 0),
                                    std::min(rect.x1, width_), std::min(rect.y1, height_)});
}

// Four points at once, as `project` takes each: the same operations in the same order.
void cPointSplatter::project4(const float* v, size_t stride, const float* m, uint16_t style,
                              const cPointCoverage& coverage, sPoint* out, sRect& rect) const {
    const size_t s = stride;
    const v4 x = {v[0], v[s], v[2 * s], v[3 * s]};
    const v4 y = {v[1], v[s + 1], v[2 * s + 1], v[3 * s + 1]};
    const v4 z = {v[2], v[s + 2], v[2 * s + 2], v[3 * s + 2]};
    const v4 cx = m[0] * x + m[4] * y + m[8] * z + m[12];
    const v4 cy = m[1] * x + m[5] * y + m[9] * z + m[13];
    const v4 cz = m[2] * x + m[6] * y + m[10] * z + m[14];
    const v4 cw = m[3] * x + m[7] * y + m[11] * z + m[15];
    const v4 inverse_w = 1 / cw;
    const float radius = coverage.radius();
    const v4 start_x = (cx * inverse_w + 1) * 0.5f * float(width_) - radius;
    const v4 start_y = (cy * inverse_w + 1) * 0.5f * float(height_) - radius;
    const v4 depth = 0.5f * cz * inverse_w + 0.5f;
    const int f = coverage.footprint();
    for (int k = 0; k < 4; ++k) {
        const float w = cw[k];
        if (!(w > 0) || std::fabs(cx[k]) > w || std::fabs(cy[k]) > w || std::fabs(cz[k]) > w) {
            out[k] = {0, 0, 0, 0, kDropped, 0};
            continue;
        }
        int first_x, first_y, fine_x, fine_y;
        coverage.place_start(start_x[k], first_x, fine_x);
        coverage.place_start(start_y[k], first_y, fine_y);
        rect.x0 = std::min(rect.x0, first_x), rect.x1 = std::max(rect.x1, first_x + f);
        rect.y0 = std::min(rect.y0, first_y), rect.y1 = std::max(rect.y1, first_y + f);
        out[k] = {first_x, first_y, uint8_t(fine_x), uint8_t(fine_y), style, depth[k]};
    }
}

// Where a vertex lands and the pixels its disc can touch, or a dropped point when the
// vertex lies outside the clip volume, which GL does not draw at all.
cPointSplatter::sPoint cPointSplatter::project(const float* v, const float* m, uint16_t style,
                                               const cPointCoverage& coverage, sRect& rect) const {
    const float x = m[0] * v[0] + m[4] * v[1] + m[8] * v[2] + m[12];
    const float y = m[1] * v[0] + m[5] * v[1] + m[9] * v[2] + m[13];
    const float z = m[2] * v[0] + m[6] * v[1] + m[10] * v[2] + m[14];
    const float w = m[3] * v[0] + m[7] * v[1] + m[11] * v[2] + m[15];
    if (!(w > 0) || std::fabs(x) > w || std::fabs(y) > w || std::fabs(z) > w)
        return {0, 0, 0, 0, kDropped, 0};
    const float inverse_w = 1 / w;
    int first_x, first_y, fine_x, fine_y;
    coverage.place((x * inverse_w + 1) * 0.5f * float(width_), first_x, fine_x);
    coverage.place((y * inverse_w + 1) * 0.5f * float(height_), first_y, fine_y);
    const int f = coverage.footprint();
    rect.x0 = std::min(rect.x0, first_x), rect.x1 = std::max(rect.x1, first_x + f);
    rect.y0 = std::min(rect.y0, first_y), rect.y1 = std::max(rect.y1, first_y + f);
    return {first_x, first_y, uint8_t(fine_x), uint8_t(fine_y), style, 0.5f * z * inverse_w + 0.5f};
}

cPointSplatter::sRect cPointSplatter::finish(std::vector<uint8_t>& out, const float* depth) {
    depth_ = depth;
    if (touched_.empty() || kept_ == 0) {
        out.clear();
        return {};
    }
    bin();
    // Tile rows of one parity never reach each other's pixels: even rows, then odd ones.
    for (int parity = 0; parity < 2; ++parity)
        parallel_for((tiles_y_ + 1 - parity) / 2,
                     [&](int part) { splat_tile_row(parity + 2 * part); });
    resolve(touched_, out);
    return touched_;
}

// Sizes kept between frames: more than any frame draws.
constexpr size_t kKeptSizes = 8;

const cPointCoverage& cPointSplatter::coverage_for(float size) {
    auto found = coverages_.find(size);
    if (found == coverages_.end()) {
        if (coverages_.size() >= kKeptSizes)
            coverages_.clear(); // a size dragged in the tweak GUI: start over
        found = coverages_.emplace(size, std::make_unique<cPointCoverage>(size)).first;
    }
    return *found->second;
}

// A stable counting sort of the points by the tile of their footprint's first pixel.
void cPointSplatter::bin() {
    const size_t tiles = size_t(tiles_x_) * size_t(tiles_y_);
    const int parts = job_parts();
    counts_.resize(size_t(parts));
    parallel_for(parts, [&](int part) {
        std::vector<uint32_t>& count = counts_[size_t(part)];
        count.assign(tiles, 0);
        const size_t end = part_start(kept_, parts, part + 1);
        for (size_t i = part_start(kept_, parts, part); i < end; ++i)
            if (points_[i].style != kDropped)
                ++count[tile_of(points_[i])];
    });
    tile_start_.assign(tiles + 1, 0);
    uint32_t run = 0;
    for (size_t t = 0; t < tiles; ++t) {
        tile_start_[t] = run;
        for (auto& count : counts_) { // each part's points of the tile follow the part before's
            const uint32_t n = count[t];
            count[t] = run;
            run += n;
        }
    }
    tile_start_[tiles] = run;
    binned_.resize(run);
    parallel_for(parts, [&](int part) {
        std::vector<uint32_t>& next = counts_[size_t(part)];
        const size_t end = part_start(kept_, parts, part + 1);
        for (size_t i = part_start(kept_, parts, part); i < end; ++i)
            if (points_[i].style != kDropped)
                binned_[next[tile_of(points_[i])]++] = points_[i];
    });
}

size_t cPointSplatter::tile_of(const sPoint& p) const {
    const int tx = std::clamp(p.x, 0, width_ - 1) / kTile;
    const int ty = std::clamp(p.y, 0, height_ - 1) / kTile;
    return size_t(ty) * size_t(tiles_x_) + size_t(tx);
}

void cPointSplatter::splat_tile_row(int row) {
    for (int tx = 0; tx < tiles_x_; ++tx) {
        const size_t tile = size_t(row) * size_t(tiles_x_) + size_t(tx);
        for (uint32_t i = tile_start_[tile]; i < tile_start_[tile + 1]; ++i)
            splat(binned_[i]);
    }
}

// The point's coverage, weighed between the four table positions about its own, four
// pixels at a time.
void cPointSplatter::weigh(const sPoint& p, const cPointCoverage& coverage, v4* out) const {
    constexpr int n = cPointCoverage::kFinePerStep;
    const int step_x = p.fine_x / n, step_y = p.fine_y / n;
    const float fx = float(p.fine_x % n) / n, fy = float(p.fine_y % n) / n;
    const v4 one = {1, 1, 1, 1};
    const v4 w00 = one * ((1 - fx) * (1 - fy)), w10 = one * (fx * (1 - fy));
    const v4 w01 = one * ((1 - fx) * fy), w11 = one * (fx * fy);
    const auto* a = reinterpret_cast<const v4*>(coverage.weights(step_x, step_y));
    const auto* b = reinterpret_cast<const v4*>(coverage.weights(step_x + 1, step_y));
    const auto* c = reinterpret_cast<const v4*>(coverage.weights(step_x, step_y + 1));
    const auto* d = reinterpret_cast<const v4*>(coverage.weights(step_x + 1, step_y + 1));
    for (int i = 0; i < coverage.cells() / 4; ++i)
        out[i] = a[i] * w00 + b[i] * w10 + c[i] * w01 + d[i] * w11;
}

// A footprint of F x F pixels all inside the picture (and so inside the depth read), the
// loops unrolled; with `kTested`, a pixel adds only where the point lies nearer.
template <int F, bool kTested> void cPointSplatter::splat_inside(const sPoint& p, const sStyle& s) {
    v4 weights[(F * F + 3) / 4];
    weigh(p, *s.coverage, weights);
    const float* weight = reinterpret_cast<const float*>(weights);
    for (int dy = 0; dy < F; ++dy, weight += F) {
        v4* pixel = pixel_at(p.x, p.y + dy);
        const float* depth = kTested ? depth_row(p.x, p.y + dy) : nullptr;
        for (int dx = 0; dx < F; ++dx) {
            if (kTested && !(p.z < depth[dx]))
                continue;
            const float c = weight[dx];
            pixel[dx] += s.colour * v4{c, c, c, c * c};
        }
    }
}

// Each covered pixel adds the colour times c, and to alpha the alpha times c squared.
void cPointSplatter::splat(const sPoint& p) {
    const sStyle& s = styles_[p.style];
    const int f = s.coverage->footprint();
    const bool inside = p.x >= 0 && p.y >= 0 && p.x + f <= width_ && p.y + f <= height_;
    if (inside && !depth_ && f == 3) // the attractor's points
        return splat_inside<3, false>(p, s);
    if (inside && depth_ && f == 5) // the credits sun's
        return splat_inside<5, true>(p, s);
    if (inside && depth_ && f == 6) // the solar flare's
        return splat_inside<6, true>(p, s);
    v4 weights[kMostCells / 4];
    weigh(p, *s.coverage, weights);
    const float* weight = reinterpret_cast<const float*>(weights);
    const v4 colour = s.colour;
    if (inside && !depth_) { // most points: every pixel of the footprint, no test
        for (int dy = 0; dy < f; ++dy, weight += f) {
            v4* pixel = pixel_at(p.x, p.y + dy);
            for (int dx = 0; dx < f; ++dx) {
                const float c = weight[dx];
                pixel[dx] += colour * v4{c, c, c, c * c};
            }
        }
        return;
    }
    for (int dy = 0; dy < f; ++dy, weight += f) {
        const int y = p.y + dy;
        if (y < 0 || y >= height_)
            continue;
        for (int dx = 0; dx < f; ++dx) {
            const int x = p.x + dx;
            const float c = weight[dx];
            if (x < 0 || x >= width_ || (depth_ && !(p.z < *depth_row(x, y))))
                continue;
            *pixel_at(x, y) += colour * v4{c, c, c, c * c};
        }
    }
}

// Clamped once and rounded to 8 bits, in GL's BGRA order, which the software renderer
// takes without converting; the picture is zero again where it was read.
void cPointSplatter::resolve(const sRect& rect, std::vector<uint8_t>& out) {
    const size_t w = size_t(rect.x1 - rect.x0);
    out.resize(w * size_t(rect.y1 - rect.y0) * 4);
    const int parts = job_parts();
    parallel_for(parts, [&](int part) {
        for (int y = rect.y0 + part; y < rect.y1; y += parts) {
            v4* in = pixel_at(rect.x0, y);
            uint8_t* to = &out[size_t(y - rect.y0) * w * 4];
            for (size_t x = 0; x < w; ++x, to += 4) {
                const v4 level = in[x] * 255.0f + 0.5f;
                for (int c = 0; c < 4; ++c) // B, G, R, A from R, G, B, A
                    to[c] = uint8_t(std::clamp(level[c == 3 ? 3 : 2 - c], 0.0f, 255.0f));
                in[x] = v4{0, 0, 0, 0};
            }
        }
    });
}
