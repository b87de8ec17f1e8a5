#include "GammaWeights.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr std::array<double, kGammaWeights> kPowers = {0.5, 0.75, 1, 1.5, 2};
constexpr float kLowest = 0.5f, kHighest = 2;

using tRow = std::array<double, kGammaWeights + 1>;

// Gaussian elimination with partial pivoting on the augmented normal equations.
std::array<double, kGammaWeights> solve(std::array<tRow, kGammaWeights> m) {
    for (int c = 0; c < kGammaWeights; ++c) {
        int pivot = c;
        for (int r = c + 1; r < kGammaWeights; ++r)
            if (std::abs(m[r][c]) > std::abs(m[pivot][c]))
                pivot = r;
        std::swap(m[c], m[pivot]);
        for (int r = 0; r < kGammaWeights; ++r) {
            if (r == c)
                continue;
            const double f = m[r][c] / m[c][c];
            for (int k = c; k <= kGammaWeights; ++k)
                m[r][k] -= f * m[c][k];
        }
    }
    std::array<double, kGammaWeights> x{};
    for (int i = 0; i < kGammaWeights; ++i)
        x[i] = m[i][kGammaWeights] / m[i][i];
    return x;
}

} // namespace

bool gamma_fits(float gamma) {
    return gamma >= kLowest && gamma <= kHighest;
}

bool gamma_weights(float gamma, float weights[kGammaWeights]) {
    if (!gamma_fits(gamma))
        return false;
    // Least squares on 0..1: the integrals of x^a x^b and x^a x^e are 1 / (a + b + 1) and
    // 1 / (a + e + 1).
    const double e = 1.0 / gamma;
    std::array<tRow, kGammaWeights> normal{};
    for (int i = 0; i < kGammaWeights; ++i) {
        for (int j = 0; j < kGammaWeights; ++j)
            normal[i][j] = 1 / (kPowers[i] + kPowers[j] + 1);
        normal[i][kGammaWeights] = 1 / (kPowers[i] + e + 1);
    }
    const std::array<double, kGammaWeights> w = solve(normal);
    double sum = 0;
    for (double v : w)
        sum += v;
    for (int i = 0; i < kGammaWeights; ++i)
        weights[i] = static_cast<float>(w[i] / sum);
    return true;
}
