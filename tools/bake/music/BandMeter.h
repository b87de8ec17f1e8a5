// The tonal balance of a stretch of audio: its energy in octave bands from
// 31.5 Hz to 16 kHz (Hann-windowed 8192-point spectra, averaged), as dB
// relative to the 1 kHz band, the way a mix's top and bottom are judged.
#pragma once

#include "StereoBuffer.h"

#include <array>
#include <cmath>

class cBandMeter {
public:
    static constexpr int kBands = 10;
    static constexpr int kReferenceBand = 5; // 1 kHz
    // Nominal centre of band `b`: 31.5, 63, 125 ... 16000 Hz.
    static double centre_hz(int b) { return 1000.0 * std::exp2(b - kReferenceBand); }

    // Energy per band in dB relative to the 1 kHz band.
    static std::array<double, kBands> balance(const StereoBuffer& audio, size_t from, size_t to);
};
