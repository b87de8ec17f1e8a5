#include "Biquad.h"

#include "StereoBuffer.h"

#include <cmath>

// The bilinear-transform shelf of the audio EQ cookbook.
cBiquad cBiquad::high_shelf(double hz, double gain_db, double q) {
    const double a = std::pow(10.0, gain_db / 40.0);
    const double w = 2.0 * M_PI * hz / kSampleRate;
    const double cw = std::cos(w), alpha = std::sin(w) / (2.0 * q),
                 root = 2.0 * std::sqrt(a) * alpha;
    const double a0 = (a + 1.0) - (a - 1.0) * cw + root;
    return cBiquad(
        a * ((a + 1.0) + (a - 1.0) * cw + root) / a0, -2.0 * a * ((a - 1.0) + (a + 1.0) * cw) / a0,
        a * ((a + 1.0) + (a - 1.0) * cw - root) / a0, 2.0 * ((a - 1.0) - (a + 1.0) * cw) / a0,
        ((a + 1.0) - (a - 1.0) * cw - root) / a0);
}

void cBiquad::process(std::vector<float>& channel) {
    for (float& x : channel)
        x = float(process(double(x)));
}
