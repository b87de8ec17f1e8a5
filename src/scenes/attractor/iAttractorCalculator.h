// What a point stream asks of an attractor: points (three floats each) written straight into
// a destination, either continuing the orbit or starting it again from the origin. The
// parameters are the attractor's four coefficients.
#pragma once

#include <cstdint>

struct cAttractorParams {
    float a = 0, b = 0, c = 0, d = 0;
};

class iAttractorCalculator {
public:
    virtual ~iAttractorCalculator() = default;
    // The orbit back to (0, 0, 0), then generate.
    virtual void generate_from_origin(float* destination, int32_t count,
                                      const cAttractorParams& params) = 0;
    // `count` further points of the orbit.
    virtual void generate(float* destination, int32_t count, const cAttractorParams& params) = 0;
};
