// The Pickover attractor's orbit in double precision, with table sine and cosine and a
// jitter from a fixed table of a million values (seeded with 1337), so every run traces the
// same clouds. The table makes each calculator 8 MB: construct it once.
#pragma once

#include "cSinCosTable.h"
#include "iAttractorCalculator.h"

#include <vector>

class cAttractorCalculator_pickover : public iAttractorCalculator {
public:
    static constexpr int32_t kNoiseSize = 1000000;
    static constexpr uint32_t kNoiseSeed = 1337;

    cAttractorCalculator_pickover();

    void generate_from_origin(float* destination, int32_t count,
                              const cAttractorParams& params) override;
    void generate(float* destination, int32_t count, const cAttractorParams& params) override;

    double noise_scale = 0.0005;
    int32_t noise_index = 0;
    const std::vector<double>& noise_table() const { return noise_table_; }

private:
    double scratch_ = 0;
    double x_ = 0, y_ = 0, z_ = 0;
    double x1_ = 0, y1_ = 0, z1_ = 0;
    std::vector<double> noise_table_;
    const cSinCosTable& table_;
};
