#include "cAttractorCalculator_pickover.h"

#include "platform/RuntimeRandom.h"

cAttractorCalculator_pickover::cAttractorCalculator_pickover()
    : noise_table_(kNoiseSize), table_(cSinCosTable::get()) {
    mrl_srand(kNoiseSeed);
    for (double& value : noise_table_)
        value = mrl_rand() / 32767.0 - 0.5;
}

void cAttractorCalculator_pickover::generate_from_origin(float* destination, int32_t count,
                                                         const cAttractorParams& params) {
    x_ = y_ = z_ = 0;
    generate(destination, count, params);
}

void cAttractorCalculator_pickover::generate(float* destination, int32_t count,
                                             const cAttractorParams& params) {
    const double a = params.a, b = params.b, c = params.c, d = params.d;
    const double* noise = noise_table_.data();
    // The three jitter reads wrap one by one, as a running index taken modulo the size.
    int32_t i = noise_index % kNoiseSize;
    const auto next = [&]() {
        const double value = noise[i];
        i = i + 1 == kNoiseSize ? 0 : i + 1;
        return value;
    };
    double x = x_, y = y_, z = z_, x1 = x1_, y1 = y1_, z1 = z1_;
    double scratch = scratch_;
    double sin_ay, cos_ay, sin_bx, cos_bx, sin_cx, cos_cx, sin_dy, cos_dy, sin_x, cos_x;
    for (int32_t p = 0; p < count; ++p) {
        table_.sin_cos(a * y, scratch, sin_ay, cos_ay);
        table_.sin_cos(b * x, scratch, sin_bx, cos_bx);
        table_.sin_cos(c * x, scratch, sin_cx, cos_cx);
        table_.sin_cos(d * y, scratch, sin_dy, cos_dy);
        table_.sin_cos(x, scratch, sin_x, cos_x);
        x1 = sin_ay - z * cos_bx;
        y1 = z * sin_cx - cos_dy;
        z1 = sin_x;
        destination[0] = static_cast<float>(x1);
        destination[1] = static_cast<float>(y1);
        destination[2] = static_cast<float>(z1);
        destination += 3;
        x = x1 + noise_scale * next();
        y = y1 + noise_scale * next();
        z = z1 + noise_scale * next();
    }
    scratch_ = scratch;
    x_ = x, y_ = y, z_ = z, x1_ = x1, y1_ = y1, z1_ = z1;
    noise_index = i;
}
