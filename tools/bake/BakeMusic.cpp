#include "BakeMusic.h"

#include "BakeFile.h"
#include "LevelMeter.h"
#include "MasterBus.h"
#include "Mp3Writer.h"
#include "PulseMix.h"
#include "PulseTune.h"
#include "Synth.h"
#include "cMidiWriter.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>

// At 192 kbit/s the bit rate decides most of the quality; LAME's quality 7
// ("ok quality, really fast") encodes the piece in about half the time of 5
// and a third of 3, which counts because the bake runs on every build.
bake::Mp3Settings cBakeMusic::mp3_settings() {
    bake::Mp3Settings settings;
    settings.kbps = 192;
    settings.quality = 7;
    return settings;
}

// A little more drive into the soft clipper than the default, and a ceiling
// of -1 dBFS: the MP3 decoder's overshoot then still peaks below -0.3 dBFS.
MasterSettings cBakeMusic::master_settings() {
    MasterSettings settings;
    settings.drive_peak = 1.5f;
    settings.ceiling = 0.891f;
    return settings;
}

StereoBuffer cBakeMusic::render(const Score& score) {
    const cPulseMix mix(score.bpm);
    StereoBuffer audio = cSynth(mix.tracks(), mix.bus()).render(score);
    cMasterBus(master_settings()).process(audio);
    return audio;
}

void cBakeMusic::bake(const std::string& data_dir) {
    const Score score = cPulseTune::compose();
    write_midi(data_dir, score);
    cBakeFile file(data_dir, "music/pulse55.mp3");
    const StereoBuffer audio = render(score);
    print_levels(score, audio);
    std::string error;
    if (!bake::write_mp3(file.path(), cMasterBus::to_pcm16(audio), mp3_settings(), &error))
        throw std::runtime_error(file.relative_path() + ": " + error);
    file.report();
}

// The same notes for the demo's timeline: scenes react to its tracks.
void cBakeMusic::write_midi(const std::string& data_dir, const Score& score) {
    cBakeFile file(data_dir, "music/pulse55.mid");
    std::string error;
    if (!cMidiWriter::write(file.path(), score, &error))
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
