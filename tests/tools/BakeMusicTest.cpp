// Checks the music pipeline of `bake`: sample-exact drum onsets, renders that
// repeat bit for bit, a score that stays valid MIDI, PCM conversion that
// clamps and meters that read known signals right. The finished tune itself
// is checked by the Tune* tests.
#include "BandMeter.h"
#include "LoudnessMeter.h"
#include "MasterBus.h"
#include "PulseMix.h"
#include "PulseTracks.h"
#include "PulseTune.h"
#include "Synth.h"
#include "TruePeak.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Score short_score() {
    Score score;
    score.set_tempo_us(480000); // 125 bpm: a 16th is a whole number of frames
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

// Two seconds of the same sine on both sides at amplitude 0.5, starting
// `phase` radians in.
StereoBuffer sine(double hz, double phase) {
    StereoBuffer audio(2 * kSampleRate);
    for (size_t i = 0; i < audio.frames(); ++i)
        audio.left[i] = audio.right[i] =
            float(0.5 * std::sin(phase + 2.0 * M_PI * hz * double(i) / kSampleRate));
    return audio;
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

TEST(BakeMusic, TuneIsValidMidiData) {
    const Score score = cPulseTune::compose();
    ASSERT_EQ(score.track_names.size(), size_t(kPulseTrackCount));
    for (const ScoreNote& n : score.notes) {
        EXPECT_TRUE(n.track > kConductorTrack && n.track < kPulseTrackCount);
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

// A 1 kHz sine reads its own level in LUFS (K-weighting is flat there); a
// quarter-rate sine sampled 45 degrees off its crests hides 3 dB of peak
// between the samples; a tone's energy lands in its own octave band only.
TEST(BakeMusic, MetersReadKnownSignals) {
    EXPECT_NEAR(cLoudnessMeter(sine(1000.0, 0.0)).integrated(), -6.02, 0.1);
    const StereoBuffer hidden = sine(kSampleRate / 4.0, M_PI / 4.0);
    EXPECT_NEAR(cMasterBus::peak(hidden), 0.354f, 0.001f);
    EXPECT_NEAR(cTruePeak::peak(hidden), 0.5f, 0.01f);
    const StereoBuffer mix = [] {
        StereoBuffer a = sine(63.0, 0.0), b = sine(8000.0, 0.0), c = sine(1000.0, 0.0);
        for (size_t i = 0; i < a.frames(); ++i)
            a.left[i] = a.right[i] = a.left[i] + 0.1f * b.left[i] + c.left[i];
        return a;
    }();
    const auto balance = cBandMeter::balance(mix, 0, mix.frames());
    EXPECT_NEAR(balance[1], 0.0, 0.2);   // 63 Hz
    EXPECT_NEAR(balance[8], -20.0, 0.2); // 8 kHz
    EXPECT_LT(balance[9], -60.0);        // nothing in the 16 kHz band
    EXPECT_LT(balance[3], -60.0);        // nor between the tones
}
