#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <thread>

cSynth::cSynth(std::vector<TrackMix> tracks, const BusSettings& bus)
    : tracks_(std::move(tracks)), bus_(bus) {}

size_t cSynth::frame_at(const Score& score, int64_t tick) {
    // Exact whenever the tick lands on a whole frame (e.g. 16ths at 125 bpm).
    const double frames_per_minute = 60.0 * kSampleRate;
    return size_t(std::llround(tick * frames_per_minute / (score.bpm * score.ticks_per_beat)));
}

// Two threads, each with its own buses, take the even and the odd tracks.
// The split is fixed, so the sums (and the baked bytes) never change.
StereoBuffer cSynth::render(const Score& score) const {
    const size_t frames = frame_at(score, score.end_tick);
    const std::vector<float> duck = duck_curve(score, frames);
    Buses even(frames), odd(frames);
    std::thread worker([&] { render_tracks(score, 1, duck, odd); });
    render_tracks(score, 0, duck, even);
    worker.join();
    add(odd.send, 1.0f, even.send);
    cStereoDelay(bus_.delay).process(even.send);
    add(odd.master, 1.0f, even.master);
    add(even.send, bus_.delay_return, even.master);
    return std::move(even.master);
}

void cSynth::render_tracks(const Score& score, size_t first, const std::vector<float>& duck,
                           Buses& buses) const {
    for (size_t t = first; t < tracks_.size(); t += 2) {
        if (!tracks_[t].instrument)
            continue;
        buses.track.clear();
        render_track(score, int(t), buses.track);
        mix_track(tracks_[t], buses.track, duck, buses.master, buses.send);
    }
}

void cSynth::add(const StereoBuffer& from, float gain, StereoBuffer& to) {
    for (size_t i = 0; i < to.frames(); ++i) {
        to.left[i] += gain * from.left[i];
        to.right[i] += gain * from.right[i];
    }
}

void cSynth::render_track(const Score& score, int track, StereoBuffer& out) const {
    for (const ScoreNote& n : score.notes) {
        if (n.track != track)
            continue;
        const size_t start = frame_at(score, n.start);
        VoiceNote voice;
        voice.pitch = n.pitch;
        voice.velocity = std::clamp(n.velocity, 0, 127) / 127.0f;
        voice.hold = frame_at(score, n.start + n.length) - start;
        voice.seed = uint32_t(n.start) * 31u + uint32_t(n.pitch) * 7u + uint32_t(track);
        tracks_[size_t(track)].instrument->play(voice, out, start);
    }
}

// 0 between hits; each duck-track note pulls it to 1 within 3 ms, then it recovers.
std::vector<float> cSynth::duck_curve(const Score& score, size_t frames) const {
    std::vector<float> curve(frames, 0.0f);
    const size_t attack = size_t(0.003 * kSampleRate);
    const size_t span = attack + size_t(7.0f * bus_.duck_release * kSampleRate);
    const float recover = std::exp(-1.0f / (bus_.duck_release * kSampleRate));
    for (const ScoreNote& n : score.notes) {
        if (n.track != bus_.duck_track)
            continue;
        const size_t start = frame_at(score, n.start);
        float v = 1.0f;
        for (size_t i = 0; i < span && start + i < frames; ++i) {
            const float d = i < attack ? float(i) / attack : (v *= recover);
            curve[start + i] = std::max(curve[start + i], d);
        }
    }
    return curve;
}

void cSynth::mix_track(const TrackMix& mix, const StereoBuffer& track,
                       const std::vector<float>& duck, StereoBuffer& master,
                       StereoBuffer& send) const {
    const float angle = 0.785398f * (std::clamp(mix.pan, -1.0f, 1.0f) + 1.0f);
    const float gain_l = mix.gain * std::cos(angle) * 1.41421f;
    const float gain_r = mix.gain * std::sin(angle) * 1.41421f;
    for (size_t i = 0; i < track.frames(); ++i) {
        const float g = 1.0f - mix.duck * duck[i];
        const float l = track.left[i] * gain_l * g;
        const float r = track.right[i] * gain_r * g;
        master.left[i] += l;
        master.right[i] += r;
        send.left[i] += l * mix.delay_send;
        send.right[i] += r * mix.delay_send;
    }
}
