// The figures the music bake prints so that whoever changes the mix sees what
// it did: peak, RMS and loudness per section of the score, and for the MP3 as
// decoded, the octave-band balance, the integrated loudness and the true peak.
#pragma once

#include "Score.h"
#include "StereoBuffer.h"

#include <string>

class cMixReport {
public:
    // The targets the shipped MP3 is held to (and warned about when missed).
    static constexpr double kLoudness = -14.0; // LUFS, integrated
    static constexpr double kLoudnessSlack = 1.0;
    static constexpr double kTruePeak = -1.0; // dBTP, at most
    // Octave bands against the 1 kHz band, as released music sits.
    static constexpr double kMaxLow = 12.0;    // the 63 Hz band above it, at most
    static constexpr double kMinTopCut = 8.0;  // the 8 kHz band below it, at least
    static constexpr double kMinAirCut = 14.0; // the 16 kHz band below it, at least

    static void print_sections(const Score& score, const StereoBuffer& audio);
    // Returns false (after a warning) when the file misses a target.
    static bool print_file(const std::string& name, const StereoBuffer& decoded);
};
