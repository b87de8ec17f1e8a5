// The levels programs' gamma bend, x^(1 / gamma) on 0..1, as a weighted sum of x^0.5, x^0.75,
// x, x^1.5 and x^2: two square roots and a few products at each pixel where the software
// renderer would run a pow's logarithm and exponential. Within 0.13/255 for gammas 0.5 to 2.
#pragma once

constexpr int kGammaWeights = 5;

// Whether the sum stands for the bend of this gamma (0.5 to 2; the pow draws any other).
bool gamma_fits(float gamma);
// The weights of the sum nearest the bend on 0..1 (least squares), scaled so that 1 stays 1.
// False, and `weights` untouched, where the gamma does not fit.
bool gamma_weights(float gamma, float weights[kGammaWeights]);
