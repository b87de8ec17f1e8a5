#include "BakeMusic.h"

#include "BakeFile.h"
#include "MasterBus.h"
#include "MixReport.h"
#include "Mp3Reader.h"
#include "Mp3Writer.h"
#include "PulseMix.h"
#include "PulseTune.h"
#include "Synth.h"
#include "cMidiWriter.h"

#include <cmath>
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

// A shelf of -4 dB over the air band takes the edge off whatever the voices
// still carry there; a little more drive into the soft clipper than the
// default; the limiter's ceiling leaves half a decibel for the MP3 encoding.
MasterSettings cBakeMusic::master_settings() {
    MasterSettings settings;
    settings.shelf_hz = 7000.0;
    settings.shelf_db = -4.0;
    settings.drive_peak = 1.5f;
    settings.loudness = cMixReport::kLoudness;
    settings.limiter.ceiling = float(std::pow(10.0, (cMixReport::kTruePeak - 0.5) / 20.0));
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
    cMixReport::print_sections(score, audio);
    std::string error;
    if (!bake::write_mp3(file.path(), cMasterBus::to_pcm16(audio), mp3_settings(), &error))
        throw std::runtime_error(file.relative_path() + ": " + error);
    file.report();
    const StereoBuffer decoded = bake::read_mp3(file.path(), &error);
    if (decoded.frames() == 0)
        throw std::runtime_error(file.relative_path() + ": " + error);
    cMixReport::print_file(file.relative_path(), decoded);
}

// The same notes for the demo's timeline: scenes react to its tracks.
void cBakeMusic::write_midi(const std::string& data_dir, const Score& score) {
    cBakeFile file(data_dir, "music/pulse55.mid");
    std::string error;
    if (!cMidiWriter::write(file.path(), score, &error))
        throw std::runtime_error(file.relative_path() + ": " + error);
    file.report();
}
