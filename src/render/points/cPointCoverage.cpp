#include "cPointCoverage.h"

#include <algorithm>
#include <cmath>

namespace {

// Columns each pixel's area is summed over: the chord is exact in y, the sum in x is within
// 1/1000 of a pixel of the integral.
constexpr int kColumns = 48;

// The length of [low, high] inside [-h, h].
double overlap(double low, double high, double h) {
    return std::max(0.0, std::min(high, h) - std::max(low, -h));
}

} // namespace

double cPointCoverage::pixel_area(double dx, double dy, double r) {
    const double left = std::max(dx - 0.5, -r), right = std::min(dx + 0.5, r);
    if (right <= left)
        return 0;
    const double step = (right - left) / kColumns;
    double area = 0;
    for (int i = 0; i < kColumns; ++i) {
        const double x = left + (i + 0.5) * step;
        area += overlap(dy - 0.5, dy + 0.5, std::sqrt(std::max(0.0, r * r - x * x)));
    }
    return area * step;
}

cPointCoverage::cPointCoverage(float size) : size_(std::clamp(size, 0.1f, 24.0f)) {
    // The disc's edge lies 0 to 1 pixel past the footprint's first pixel.
    footprint_ = static_cast<int>(std::floor(size_ + 1)) + 1;
    cells_ = (footprint_ * footprint_ + 3) / 4 * 4;
    weights_.assign(static_cast<size_t>((kSteps + 1) * (kSteps + 1) * cells_), 0.0f);
    const double r = radius();
    for (int sy = 0; sy <= kSteps; ++sy)
        for (int sx = 0; sx <= kSteps; ++sx) {
            float* out = &weights_[size_t((sy * (kSteps + 1) + sx) * cells_)];
            const double cx = r + double(sx) / kSteps, cy = r + double(sy) / kSteps;
            for (int y = 0; y < footprint_; ++y)
                for (int x = 0; x < footprint_; ++x)
                    *out++ = float(pixel_area(x + 0.5 - cx, y + 0.5 - cy, r));
        }
}
