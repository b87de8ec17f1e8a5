// How much of each pixel a round point covers: the area of a disc as wide as the point over
// the pixel's square, which is what a smoothed point's coverage stands for. Both ways of
// drawing point clouds, on the CPU and through GL, take their coverage from here.
#pragma once

#include <cstddef>
#include <vector>

class cPointCoverage {
public:
    // Positions are taken in 1/256 of a pixel; the table holds 32 of them a pixel, each way,
    // and a point between two is weighed between them.
    static constexpr int kFine = 256;
    static constexpr int kSteps = 32;
    static constexpr int kFinePerStep = kFine / kSteps;

    // The table of a point `size` pixels wide (clamped to 0.1..24).
    explicit cPointCoverage(float size);

    // The area of a disc of radius r about the origin inside the unit square about (dx, dy).
    static double pixel_area(double dx, double dy, double r);

    float size() const { return size_; }
    float radius() const { return 0.5f * size_; }
    // The side of the square of pixels a point can touch.
    int footprint() const { return footprint_; }
    // The footprint's pixels, padded to a multiple of four for adding four at once.
    int cells() const { return cells_; }
    // Where the footprint of a point centred at window coordinate `at` begins (`first`
    // pixel) and how far past that pixel's start the disc's edge lies, in 1/256 pixel.
    void place(float at, int& first, int& fine) const {
        place_start(at - 0.5f * size_, first, fine);
    }
    // The same from where the disc's edge lies, `start` = `at` minus the radius.
    static void place_start(float start, int& first, int& fine) {
        // Floored by an offset conversion, which is exact and far cheaper than std::floor: a
        // point that is drawn lies no further than its radius left of the picture.
        first = static_cast<int>(start + 4096.0f) - 4096;
        fine = static_cast<int>((start - static_cast<float>(first)) * kFine + 0.5f);
        if (fine == kFine) {
            ++first;
            fine = 0;
        }
    }
    // The coverage of the footprint's pixels, row by row, with the disc's edge `step_x`,
    // `step_y` steps (0 to 32) past the first pixel's start; `cells()` floats.
    const float* weights(int step_x, int step_y) const {
        return &weights_[(static_cast<size_t>(step_y) * (kSteps + 1) +
                          static_cast<size_t>(step_x)) *
                         static_cast<size_t>(cells_)];
    }

private:
    float size_;
    int footprint_;
    int cells_;
    std::vector<float> weights_;
};
