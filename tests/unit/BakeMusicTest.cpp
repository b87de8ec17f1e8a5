// Checks the music pipeline of `bake`: sample-exact drum onsets, renders that
// repeat bit for bit, a score that stays valid MIDI, and a mastered tune with
// no clipping, no silent gap and a clean ending.
#include "BakeMusic.h"
#include "LevelMeter.h"
#include "MasterBus.h"
#include "PulseMix.h"
#include "PulseTracks.h"
#include "PulseTune.h"
#include "Synth.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Score short_score() {
    Score score;
    score.bpm = cPulseTune::kBpm;
    score.end_tick = 8 * score.ticks_per_beat;
    return score;
}

void add_note(Score& score, int track, int64_t start, int pitch) {
    score.notes.push_back({track, start, 240, pitch, 100});
}

// The pulse55 mix with every track but `keep` muted and no ducking.
StereoBuffer render_solo(const Score& score, int keep) {
    const cPulseMix mix(score.bpm);
    std::vector<TrackMix> tracks = mix.tracks();
    for (size_t t = 0; t < tracks.size(); ++t)
        if (int(t) != keep)
            tracks[t].instrument = nullptr;
    BusSettings bus = mix.bus();
    bus.duck_track = -1;
    return cSynth(tracks, bus).render(score);
}

} // namespace

TEST(BakeMusic, KickStartsOnTheFrameOfItsNote) {
    Score score = short_score();
    add_note(score, kKickTrack, 3 * score.ticks_per_beat, kKickPitch);
    const StereoBuffer audio = render_solo(score, kKickTrack);
    const size_t onset = cSynth::frame_at(score, 3 * score.ticks_per_beat);
    ASSERT_EQ(onset, 3u * 21168u); // 125 bpm: a beat is exactly 21168 frames
    for (size_t i = 0; i < onset; ++i)
        ASSERT_EQ(audio.left[i], 0.0f) << "sound before the onset at frame " << i;
    float attack = 0.0f;
    for (size_t i = onset; i < onset + 4; ++i)
        attack = std::max(attack, std::fabs(audio.left[i]));
    EXPECT_GT(attack, 0.05f);
}

TEST(BakeMusic, RenderingTwiceGivesTheSameSamples) {
    Score score = short_score();
    for (int b = 0; b < 4; ++b) {
        add_note(score, kSnareTrack, b * score.ticks_per_beat, kSnarePitch);
        add_note(score, kHatTrack, b * score.ticks_per_beat + 240, kHatPitch);
        add_note(score, kArpTrack, b * score.ticks_per_beat, 69 + b);
    }
    const cPulseMix mix(score.bpm);
    const cSynth synth(mix.tracks(), mix.bus());
    const StereoBuffer first = synth.render(score);
    const StereoBuffer second = synth.render(score);
    EXPECT_EQ(first.left, second.left);
    EXPECT_EQ(first.right, second.right);
}

TEST(BakeMusic, TuneIsValidMidiData) {
    const Score score = cPulseTune::compose();
    ASSERT_EQ(score.track_names.size(), size_t(kPulseTrackCount));
    for (const ScoreNote& n : score.notes) {
        EXPECT_TRUE(n.track >= 0 && n.track < kPulseTrackCount);
        EXPECT_TRUE(n.pitch >= 0 && n.pitch <= 127);
        EXPECT_TRUE(n.velocity >= 1 && n.velocity <= 127); // 0 would be a note-off
        EXPECT_GT(n.length, 0);
        EXPECT_LE(n.start + n.length, score.end_tick);
    }
}

TEST(BakeMusic, PcmConversionClampsInsteadOfWrapping) {
    StereoBuffer audio(2);
    audio.left = {1.5f, -0.966f};
    audio.right = {-1.5f, 0.966f};
    const std::vector<int16_t> pcm = cMasterBus::to_pcm16(audio);
    EXPECT_EQ(pcm, (std::vector<int16_t>{32767, -32767, -31653, 31653}));
}

class BakeMusicTune : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        audio_ = new StereoBuffer(cBakeMusic::render(cPulseTune::compose()));
    }
    static void TearDownTestSuite() { delete audio_; }
    static StereoBuffer* audio_;
};
StereoBuffer* BakeMusicTune::audio_ = nullptr;

TEST_F(BakeMusicTune, LastsAboutARadioEdit) {
    const double seconds = double(audio_->frames()) / kSampleRate;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 90.0);
}

TEST_F(BakeMusicTune, PeaksAtTheCeilingWithoutClipping) {
    EXPECT_LE(cMasterBus::peak(*audio_), 0.9661f);
    EXPECT_GE(cMasterBus::peak(*audio_), 0.96f);
}

TEST_F(BakeMusicTune, HasNoSilentGap) {
    const cLevelMeter meter(*audio_);
    const QuietSpot q =
        meter.quietest(kSampleRate / 2, audio_->frames() - kSampleRate, kSampleRate / 10);
    EXPECT_GT(q.rms_db, -45.0) << "quiet at " << q.seconds << " s";
}

TEST_F(BakeMusicTune, FadesToSilenceAtTheEnd) {
    const cLevelMeter meter(*audio_);
    const size_t n = audio_->frames();
    EXPECT_LT(meter.levels(n - kSampleRate / 100, n).peak_db, -60.0);
    EXPECT_LT(std::fabs(audio_->left.back()) + std::fabs(audio_->right.back()), 1e-4f);
}
