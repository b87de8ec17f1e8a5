// Point clouds drawn on the CPU: each point projected like GL projects a vertex and added,
// with its colour and alpha over its coverage, into one floating-point picture, on all cores.
// Pixels sum their points in one fixed order, so the picture is the same on any machine.
#pragma once

#include "PointStyle.h"
#include "cPointCoverage.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class cPointSplatter {
public:
    struct sRect {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0; // pixels [x0, x1) x [y0, y1), bottom row first
        bool empty() const { return x1 <= x0 || y1 <= y0; }
    };

    // A new picture of width x height pixels, nothing added.
    void begin(int width, int height);
    // Makes and touches every buffer a frame of `points` points of these sizes needs, so the
    // first frame that draws them does not stop for fresh memory (while the music starts).
    void prepare(int width, int height, size_t points, const std::vector<float>& sizes);
    // Projects the source's points with `mvp` (column-major clip-from-model matrix) and keeps
    // them, after those added before. Points outside the clip volume are dropped, as GL does.
    void add(const sPointSource& source, const float* mvp, const sPointStyle& style);
    // The pixels the points kept so far can touch.
    const sRect& touched() const { return touched_; }
    // Adds every point kept into the picture and writes the touched rectangle, clamped to
    // 0..1, as 8-bit BGRA rows into `out`; returns the rectangle. With `depth` (the target's
    // window depths over the touched rectangle, row by row from the bottom), a point adds
    // only where it lies nearer.
    sRect finish(std::vector<uint8_t>& out, const float* depth = nullptr);

    int width() const { return width_; }
    int height() const { return height_; }

private:
    struct sPoint {
        int32_t x, y;           // the footprint's first pixel
        uint8_t fine_x, fine_y; // the disc's edge past the first pixel, in 1/256 pixel
        uint16_t style;         // index into styles_
        float z;                // window depth
    };
    // Four floats added at once (the compiler's vector extension: SSE, NEON or plain floats).
    typedef float v4 __attribute__((vector_size(16)));
    struct sStyle {
        v4 colour; // colour times alpha, alpha squared
        const cPointCoverage* coverage;
    };

    static constexpr int kMostCells = 26 * 26;   // the footprint of the largest point
    static constexpr uint16_t kDropped = 0xffff; // the style of a point outside the clip volume

    sPoint project(const float* v, const float* m, uint16_t style, const cPointCoverage& coverage,
                   sRect& rect) const;
    const cPointCoverage& coverage_for(float size);
    void project4(const float* v, size_t stride, const float* m, uint16_t style,
                  const cPointCoverage& coverage, sPoint* out, sRect& rect) const;
    void bin();
    size_t tile_of(const sPoint& p) const;
    void splat_tile_row(int row);
    void weigh(const sPoint& p, const cPointCoverage& coverage, v4* out) const;
    void splat(const sPoint& p);
    template <int F, bool kTested> void splat_inside(const sPoint& p, const sStyle& s);
    void resolve(const sRect& rect, std::vector<uint8_t>& out);
    // The target's depth at (x, y) and the pixels after it on its row.
    const float* depth_row(int x, int y) const {
        return &depth_[size_t(y - touched_.y0) * size_t(touched_.x1 - touched_.x0) +
                       size_t(x - touched_.x0)];
    }
    v4* pixel_at(int x, int y) { return &rgba_[size_t(y) * size_t(stride_) + size_t(x)]; }

    int width_ = 0, height_ = 0;
    int stride_ = 0; // pixels from one row of the picture to the next
    const float* depth_ = nullptr;
    std::vector<v4> rgba_; // the picture: zero outside the last touched rectangle
    std::vector<sStyle> styles_;
    std::map<float, std::unique_ptr<cPointCoverage>> coverages_; // by point size
    std::vector<sPoint> points_, binned_; // points_ holds kept_ points, binned_ by tile
    size_t kept_ = 0;
    std::vector<uint32_t> tile_start_;          // where each tile's points begin in binned_
    std::vector<std::vector<uint32_t>> counts_; // each part's points in each tile
    sRect touched_;
    int tiles_x_ = 0, tiles_y_ = 0;
};
