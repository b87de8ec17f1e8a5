// A second-order IIR section in double precision (direct form I), for the
// fixed tone and weighting curves of the bus and the meters: a steady filter
// over millions of samples, where float rounding would show as noise.
#pragma once

#include <vector>

class cBiquad {
public:
    // Coefficients normalised so that a0 is 1.
    cBiquad(double b0, double b1, double b2, double a1, double a2)
        : b0_(b0), b1_(b1), b2_(b2), a1_(a1), a2_(a2) {}
    // A shelf of `gain_db` above `hz`, its slope set by `q` (0.707: no bump).
    static cBiquad high_shelf(double hz, double gain_db, double q);

    double process(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
        return y;
    }
    void process(std::vector<float>& channel);

private:
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};
