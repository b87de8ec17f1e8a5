#include "BakeMusic.h"

#include "BakeFile.h"
#include "LevelMeter.h"
#include "MasterBus.h"
#include "Mp3Writer.h"
#include "PulseMix.h"
#include "PulseTune.h"
#include "Synth.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>

// LAME quality 3 sounds the same as 2 at this bit rate and encodes in half the time.
bake::Mp3Settings cBakeMusic::mp3_settings() {
    bake::Mp3Settings settings;
    settings.kbps = 192;
    settings.quality = 3;
    return settings;
}

StereoBuffer cBakeMusic::render(const Score& score) {
    const cPulseMix mix(score.bpm);
    StereoBuffer audio = cSynth(mix.tracks(), mix.bus()).render(score);
    cMasterBus(MasterSettings{}).process(audio);
    return audio;
}

void cBakeMusic::bake(const std::string& data_dir) {
    cBakeFile file(data_dir, "music/pulse55.mp3");
    const Score score = cPulseTune::compose();
    const StereoBuffer audio = render(score);
    print_levels(score, audio);
    std::string error;
    if (!bake::write_mp3(file.path(), cMasterBus::to_pcm16(audio), mp3_settings(), &error))
        throw std::runtime_error(file.relative_path() + ": " + error);
    file.report();
}

namespace {
void print_line(const char* name, double from, double to, const Levels& l) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "# bake:   %-8s %5.1f - %5.1f s  peak %6.1f dBFS  rms %6.1f dBFS", name, from, to,
                  l.peak_db, l.rms_db);
    std::cout << line << '\n';
}
} // namespace

void cBakeMusic::print_levels(const Score& score, const StereoBuffer& audio) {
    const cLevelMeter meter(audio);
    const double length = double(audio.frames()) / kSampleRate;
    std::printf("# bake:   pulse55: %.1f s, %.0f bpm, %zu notes\n", length, score.bpm,
                score.notes.size());
    std::fflush(stdout);
    for (size_t m = 0; m < score.markers.size(); ++m) {
        const double from = score.seconds_at(score.markers[m].tick);
        const double to =
            m + 1 < score.markers.size() ? score.seconds_at(score.markers[m + 1].tick) : length;
        print_line(score.markers[m].name.c_str(), from, to,
                   meter.levels(size_t(from * kSampleRate), size_t(to * kSampleRate)));
    }
    print_line("all", 0.0, length, meter.levels(0, audio.frames()));
    // Skips the first and last second: the pad's fade-in and the fade-out.
    const QuietSpot q = meter.quietest(kSampleRate, audio.frames() - kSampleRate, kSampleRate / 10);
    char line[120];
    std::snprintf(line, sizeof line, "# bake:   quietest 100 ms: rms %.1f dBFS at %.1f s", q.rms_db,
                  q.seconds);
    std::cout << line << std::endl;
}
