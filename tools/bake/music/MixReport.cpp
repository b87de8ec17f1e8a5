#include "MixReport.h"

#include "BandMeter.h"
#include "LevelMeter.h"
#include "LoudnessMeter.h"
#include "TruePeak.h"

#include <cmath>
#include <cstdio>
#include <iostream>

namespace {

constexpr int kLowBand = 1, kTopBand = 8, kAirBand = 9; // 63 Hz, 8 kHz, 16 kHz

void print_section(const char* name, double from, double to, const Levels& l, double lufs) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "# bake:   %-8s %5.1f - %5.1f s  peak %6.1f dBFS  rms %6.1f dBFS  %6.1f LUFS",
                  name, from, to, l.peak_db, l.rms_db, lufs);
    std::cout << line << '\n';
}

std::string band_line(const std::array<double, cBandMeter::kBands>& balance) {
    std::string line = "# bake:   octave bands re 1 kHz:";
    const char* names[cBandMeter::kBands] = {"31.5", "63", "125", "250", "500",
                                             "1k",   "2k", "4k",  "8k",  "16k"};
    for (int b = 0; b < cBandMeter::kBands; ++b) {
        char item[32];
        std::snprintf(item, sizeof item, "  %s %+.1f", names[b], balance[size_t(b)]);
        line += item;
    }
    return line + " dB";
}

} // namespace

void cMixReport::print_sections(const Score& score, const StereoBuffer& audio) {
    const cLevelMeter meter(audio);
    const cLoudnessMeter loudness(audio);
    const double length = double(audio.frames()) / kSampleRate;
    std::printf("# bake:   pulse55: %.1f s, %.0f bpm, %zu notes\n", length, score.bpm,
                score.notes.size());
    std::fflush(stdout);
    for (size_t m = 0; m < score.markers.size(); ++m) {
        const double from = score.seconds_at(score.markers[m].tick);
        const double to =
            m + 1 < score.markers.size() ? score.seconds_at(score.markers[m + 1].tick) : length;
        const size_t a = size_t(from * kSampleRate), b = size_t(to * kSampleRate);
        print_section(score.markers[m].name.c_str(), from, to, meter.levels(a, b),
                      loudness.integrated(a, b));
    }
    print_section("all", 0.0, length, meter.levels(0, audio.frames()), loudness.integrated());
    // Skips the first and last second: the pad's fade-in and the fade-out.
    const QuietSpot q = meter.quietest(kSampleRate, audio.frames() - kSampleRate, kSampleRate / 10);
    char line[120];
    std::snprintf(line, sizeof line, "# bake:   quietest 100 ms: rms %.1f dBFS at %.1f s", q.rms_db,
                  q.seconds);
    std::cout << line << std::endl;
}

bool cMixReport::print_file(const std::string& name, const StereoBuffer& decoded) {
    const auto balance = cBandMeter::balance(decoded, 0, decoded.frames());
    const double lufs = cLoudnessMeter(decoded).integrated();
    const double peak = cTruePeak::peak_db(decoded);
    char line[160];
    std::snprintf(line, sizeof line,
                  "# bake:   %s decoded: %.1f LUFS integrated, true peak %.1f dBTP", name.c_str(),
                  lufs, peak);
    std::cout << band_line(balance) << '\n' << line << std::endl;
    const bool ok = std::fabs(lufs - kLoudness) <= kLoudnessSlack && peak <= kTruePeak &&
                    balance[kLowBand] <= kMaxLow && balance[kTopBand] <= -kMinTopCut &&
                    balance[kAirBand] <= -kMinAirCut;
    if (!ok)
        std::cout << "# warning: " << name << " misses its loudness, peak or band targets"
                  << std::endl;
    return ok;
}
