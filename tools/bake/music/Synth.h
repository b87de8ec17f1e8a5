// Renders a Score to stereo audio: each track's notes through its instrument,
// then track gain, pan, side-chain ducking from the kick and an echo send,
// summed on the mix bus. Frame 0 is tick 0; there is no pre-roll.
#pragma once

#include "Instrument.h"
#include "Score.h"
#include "StereoDelay.h"

#include <vector>

struct TrackMix {
    iInstrument* instrument = nullptr; // not owned; nullptr mutes the track
    float gain = 1.0f;
    float pan = 0.0f;        // -1 left .. 1 right
    float delay_send = 0.0f; // level into the echo bus
    float duck = 0.0f;       // 0..1, how far the duck track's hits push it down
};

struct BusSettings {
    DelaySettings delay;
    float delay_return = 0.5f;
    int duck_track = -1;       // the track whose notes trigger ducking, -1 none
    float duck_release = 0.1f; // seconds, time constant of the recovery
};

class cSynth {
public:
    cSynth(std::vector<TrackMix> tracks, const BusSettings& bus);
    StereoBuffer render(const Score& score) const;

    static size_t frame_at(const Score& score, int64_t tick);

private:
    struct Buses {
        explicit Buses(size_t frames) : master(frames), send(frames) {}
        StereoBuffer master, send;
        StereoBuffer block; // one track's notes of one block, silent between uses
    };

    // Every other block of eight bars, from block `half` on.
    void render_half(const Score& score, int half, const std::vector<float>& duck,
                     Buses& buses) const;
    void render_block(const Score& score, int track, int block, const std::vector<float>& duck,
                      Buses& buses) const;
    static void add(const StereoBuffer& from, float gain, StereoBuffer& to);
    std::vector<float> duck_curve(const Score& score, size_t frames) const;
    void mix_track(const TrackMix& mix, StereoBuffer& block, size_t offset, size_t length,
                   const std::vector<float>& duck, StereoBuffer& master, StereoBuffer& send) const;

    std::vector<TrackMix> tracks_;
    BusSettings bus_;
};
