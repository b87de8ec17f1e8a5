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

// Two threads, each with its own buses, take alternate blocks of eight bars
// (a note belongs to the block it starts in), which keeps them evenly loaded
// whatever the instruments cost. The split is fixed, so the sums (and the
// baked bytes) never change.
StereoBuffer cSynth::render(const Score& score) const {
    const size_t frames = frame_at(score, score.end_tick);
    const std::vector<float> duck = duck_curve(score, frames);
    Buses even(frames), odd(frames);
    std::thread worker([&] { render_half(score, 1, duck, odd); });
    render_half(score, 0, duck, even);
    worker.join();
    add(odd.send, 1.0f, even.send);
    cStereoDelay(bus_.delay).process(even.send);
    add(odd.master, 1.0f, even.master);
    add(even.send, bus_.delay_return, even.master);
    return std::move(even.master);
}

namespace {

// Longer than any voice rings on after its note ends (the crash: 7.7 s).
constexpr double kTailSeconds = 8.0;

int64_t block_ticks(const Score& score) {
    return 8 * score.ticks_per_bar();
}

// One past the last frame that is not silent.
size_t sounding_end(const StereoBuffer& b) {
    size_t end = b.frames();
    while (end > 0 && b.left[end - 1] == 0.0f && b.right[end - 1] == 0.0f)
        --end;
    return end;
}

} // namespace

void cSynth::render_half(const Score& score, int half, const std::vector<float>& duck,
                         Buses& buses) const {
    const int blocks = int(score.end_tick / block_ticks(score)) + 1;
    for (int block = half; block < blocks; block += 2)
        for (size_t t = 0; t < tracks_.size(); ++t)
            if (tracks_[t].instrument)
                render_block(score, int(t), block, duck, buses);
}

// The block buffer reaches from the block's start to the tail of its last
// note; only its sounding part is mixed (and cleared for the next use).
void cSynth::render_block(const Score& score, int track, int block, const std::vector<float>& duck,
                          Buses& buses) const {
    const int64_t first = block * block_ticks(score), last = first + block_ticks(score);
    int64_t end = -1;
    for (const ScoreNote& n : score.notes)
        if (n.track == track && n.start >= first && n.start < last)
            end = std::max(end, n.start + n.length);
    if (end < 0)
        return;
    const size_t offset = frame_at(score, first), frames = buses.master.frames();
    const size_t tail = frame_at(score, end) + size_t(kTailSeconds * kSampleRate);
    buses.block.left.resize(std::min(tail, frames) - offset);
    buses.block.right.resize(buses.block.left.size());
    for (const ScoreNote& n : score.notes) {
        if (n.track != track || n.start < first || n.start >= last)
            continue;
        const size_t start = frame_at(score, n.start);
        VoiceNote voice;
        voice.pitch = n.pitch;
        voice.velocity = std::clamp(n.velocity, 0, 127) / 127.0f;
        voice.hold = frame_at(score, n.start + n.length) - start;
        voice.seed = uint32_t(n.start) * 31u + uint32_t(n.pitch) * 7u + uint32_t(track);
        tracks_[size_t(track)].instrument->play(voice, buses.block, start - offset);
    }
    mix_track(tracks_[size_t(track)], buses.block, offset, sounding_end(buses.block), duck,
              buses.master, buses.send);
}

void cSynth::add(const StereoBuffer& from, float gain, StereoBuffer& to) {
    for (size_t i = 0; i < to.frames(); ++i) {
        to.left[i] += gain * from.left[i];
        to.right[i] += gain * from.right[i];
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

// Clears what it reads, in the same pass.
void cSynth::mix_track(const TrackMix& mix, StereoBuffer& block, size_t offset, size_t length,
                       const std::vector<float>& duck, StereoBuffer& master,
                       StereoBuffer& send) const {
    const float angle = 0.785398f * (std::clamp(mix.pan, -1.0f, 1.0f) + 1.0f);
    const float gain_l = mix.gain * std::cos(angle) * 1.41421f;
    const float gain_r = mix.gain * std::sin(angle) * 1.41421f;
    for (size_t j = 0; j < length; ++j) {
        const size_t i = offset + j;
        const float g = 1.0f - mix.duck * duck[i];
        const float l = block.left[j] * gain_l * g;
        const float r = block.right[j] * gain_r * g;
        block.left[j] = block.right[j] = 0.0f;
        master.left[i] += l;
        master.right[i] += r;
        send.left[i] += l * mix.delay_send;
        send.right[i] += r * mix.delay_send;
    }
}
