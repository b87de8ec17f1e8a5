// The music module's MP3 as the demo plays it: decoded gapless, it lasts
// exactly the score, meets its loudness, peak and tonal balance targets, has
// no silent gap, and every kick of its MIDI file is heard within 10 ms of its
// time.
#include "BakeMusic.h"
#include "BandMeter.h"
#include "LoudnessMeter.h"
#include "PulseMix.h"
#include "PulseTracks.h"
#include "PulseTune.h"
#include "Synth.h"
#include "TruePeak.h"
#include "support/Capture.h"
#include "support/TestAudio.h"
#include "timeline/cMETrigger.h"
#include "timeline/cMidiReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::vector<float> mono(const std::vector<int16_t>& pcm) {
    std::vector<float> out(pcm.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = 0.5f * (float(pcm[2 * i]) + float(pcm[2 * i + 1]));
    return out;
}

// The first 40 ms of the tune's own kick drum, as its mix plays it.
std::vector<float> kick_template() {
    StereoBuffer one(kTestRate / 25);
    VoiceNote note;
    note.pitch = kKickPitch;
    note.hold = one.frames();
    cPulseMix(cPulseTune::kBpm).tracks()[kKickTrack].instrument->play(note, one, 0);
    return one.left;
}

// Where the kick lies within 25 ms of `expected`: the lag at which the
// audio matches the kick's waveform best (correlation over the local level),
// which other instruments sounding at the same time hardly move.
long kick_lag(const std::vector<float>& audio, const std::vector<float>& kick, size_t expected) {
    const long reach = kTestRate / 40;
    long best = 0;
    double best_score = -1e300;
    for (long lag = -reach; lag <= reach; ++lag) {
        const long at = long(expected) + lag;
        if (at < 0 || size_t(at) + kick.size() > audio.size())
            continue;
        double dot = 0.0, energy = 1e-9;
        for (size_t j = 0; j < kick.size(); ++j) {
            dot += double(kick[j]) * audio[size_t(at) + j];
            energy += double(audio[size_t(at) + j]) * audio[size_t(at) + j];
        }
        if (dot / std::sqrt(energy) > best_score) {
            best_score = dot / std::sqrt(energy);
            best = lag;
        }
    }
    return best;
}

// The files the build baked into the data folder (it bakes before the tests
// build), decoded once per test process.
const std::filesystem::path kMusic =
    std::filesystem::path(DEMO_BINARY).parent_path().parent_path() / "data/music";

class TuneAudio : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pcm_ = new std::vector<int16_t>(decode_mp3((kMusic / "pulse55.mp3").string()));
    }
    static void TearDownTestSuite() { delete pcm_; }
    void SetUp() override { ASSERT_FALSE(pcm_->empty()) << "no music baked in " << kMusic; }
    size_t frames() const { return pcm_->size() / 2; }
    static std::vector<int16_t>* pcm_;
};
std::vector<int16_t>* TuneAudio::pcm_ = nullptr;

} // namespace

TEST_F(TuneAudio, LastsExactlyTheScore) {
    const Score score = cPulseTune::compose();
    EXPECT_EQ(frames(), cSynth::frame_at(score, score.end_tick));
}

// Released music's norms, measured on what the demo plays: loudness and true
// peak after encoding, a top that falls away above 2 kHz, a bass that does not
// swamp the mids, no section much louder than the piece, and a stereo image.
TEST_F(TuneAudio, MeetsTheMasteringTargets) {
    StereoBuffer audio(frames());
    double side = 0.0;
    for (size_t i = 0; i < frames(); ++i) {
        audio.left[i] = (*pcm_)[2 * i] / 32768.0f;
        audio.right[i] = (*pcm_)[2 * i + 1] / 32768.0f;
        side += double(audio.left[i] - audio.right[i]) * (audio.left[i] - audio.right[i]);
    }
    const cLoudnessMeter meter(audio);
    const double lufs = meter.integrated();
    EXPECT_NEAR(lufs, -14.0, 1.0);
    EXPECT_LE(cTruePeak::peak_db(audio), -1.0);
    const auto balance = cBandMeter::balance(audio, 0, frames());
    EXPECT_LE(balance[1], 12.0) << "63 Hz band over 1 kHz";
    EXPECT_LE(balance[8], -8.0) << "8 kHz band against 1 kHz";
    EXPECT_LE(balance[9], -14.0) << "16 kHz band against 1 kHz";
    const Score score = cPulseTune::compose();
    for (size_t m = 0; m + 1 < score.markers.size(); ++m) {
        const size_t from = cSynth::frame_at(score, score.markers[m].tick);
        const size_t to = cSynth::frame_at(score, score.markers[m + 1].tick);
        EXPECT_LE(meter.integrated(from, to), lufs + 2.0) << score.markers[m].name << " shouts";
    }
    EXPECT_GT(std::sqrt(side / double(frames())), 0.009) << "no stereo image";
}

// 100 ms windows from the first second to the fade-out.
TEST_F(TuneAudio, HasNoSilentGap) {
    const size_t window = kTestRate / 10;
    for (size_t at = kTestRate; at + window < frames() - 2 * kTestRate; at += window / 2) {
        double sum = 0.0;
        for (size_t i = 2 * at; i < 2 * (at + window); ++i)
            sum += double((*pcm_)[i]) * (*pcm_)[i];
        const double db = 10.0 * std::log10(sum / (2.0 * window) + 1e-9) - 90.3;
        ASSERT_GT(db, -45.0) << "silent at " << double(at) / kTestRate << " s";
    }
}

TEST_F(TuneAudio, KicksSoundOnTheirMidiTimes) {
    std::ifstream midi(kMusic / "pulse55.mid", std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(midi)),
                                     std::istreambuf_iterator<char>());
    cEventQueue queue;
    {
        cCapture quiet;
        cMidiReader::read_bytes(bytes, queue);
    }
    const std::vector<float> audio = mono(*pcm_), kick = kick_template();
    std::vector<double> offsets;
    for (size_t i = 0; i < queue.size(); ++i) {
        const auto* n = dynamic_cast<const cMETrigger*>(queue.at(i));
        if (!n || !n->is_note_on() || n->track != 1)
            continue;
        const size_t expected = size_t(n->time) * kTestRate / 1000;
        const double ms = double(kick_lag(audio, kick, expected)) * 1000.0 / kTestRate;
        EXPECT_LE(std::fabs(ms), 10.0) << "kick at " << n->time << " ms heard " << ms << " ms off";
        offsets.push_back(std::fabs(ms));
    }
    ASSERT_GT(offsets.size(), 400u);
    // Typically within a millisecond (the MIDI times are whole ms); only an
    // impact on the same beat can pull the match a few ms aside.
    std::sort(offsets.begin(), offsets.end());
    EXPECT_LE(offsets[offsets.size() * 9 / 10], 1.0);
}
