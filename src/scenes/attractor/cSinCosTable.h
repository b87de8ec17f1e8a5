// Sine and cosine of any angle from two small tables built once at program start: the angle
// becomes a whole number of 2^20ths of a turn, whose low ten bits pick a fine step and the
// next ten a coarse one; the angle-sum formulas join the two. Error below 1e-5 everywhere.
#pragma once

#include <cstdint>
#include <cstring>

class cSinCosTable {
public:
    static constexpr int kSteps = 1024;
    struct cPair {
        float s, c;
    };

    // The tables of the process, filled before main runs.
    static const cSinCosTable& get();

    // sin and cos of theta, reduced to the nearest 2^20th of a turn. `scratch` carries the
    // rounded angle (theta in steps plus 1.5 * 2^52, whose low mantissa bits are the
    // step count, ties to even).
    void sin_cos(double theta, double& scratch, double& s, double& c) const {
        constexpr double kToSteps = 1048576.0 / 6.283185307179586476925;
        constexpr double kRound = 6755399441055744.0; // 1.5 * 2^52
        scratch = theta * kToSteps + kRound;
        uint64_t bits;
        std::memcpy(&bits, &scratch, sizeof bits);
        const int32_t n = static_cast<int32_t>(static_cast<uint32_t>(bits));
        const cPair& f = fine[n & (kSteps - 1)];
        const cPair& k = coarse[(n >> 10) & (kSteps - 1)];
        s = static_cast<double>(f.s) * k.c + static_cast<double>(f.c) * k.s;
        c = static_cast<double>(f.c) * k.c - static_cast<double>(f.s) * k.s;
    }

    cPair coarse[kSteps + 1]; // k * 2 pi / 1024
    cPair fine[kSteps + 1];   // k * 2 pi / 2^20

private:
    cSinCosTable();
};
