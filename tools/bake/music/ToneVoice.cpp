#include "ToneVoice.h"

#include "Filter.h"
#include "Oscillator.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Unison {
    cOscillator osc;
    float ratio; // frequency relative to the note
    float gain_l, gain_r;
};

// Oscillators evenly spread in pitch and pan, with fixed start phases.
std::vector<Unison> make_unison(const ToneShape& s) {
    std::vector<Unison> voices;
    const float norm = 1.0f / std::sqrt(float(s.unison));
    for (int i = 0; i < s.unison; ++i) {
        const float spread = s.unison > 1 ? 2.0f * i / (s.unison - 1) - 1.0f : 0.0f;
        const float pan = spread * s.width;
        voices.push_back({cOscillator(std::fmod(0.37f * i, 1.0f)),
                          std::exp2(spread * 0.5f * s.detune_cents / 1200.0f),
                          norm * std::sqrt(0.5f * (1.0f - pan)),
                          norm * std::sqrt(0.5f * (1.0f + pan))});
    }
    return voices;
}

void retune(std::vector<Unison>& voices, cOscillator& sub, float hz) {
    for (Unison& u : voices)
        u.osc.set_hz(hz * u.ratio);
    sub.set_hz(0.5f * hz);
}

// Sums the unison oscillators into the left and right channel.
void mix_oscillators(std::vector<Unison>& voices, const ToneShape& s, float& l, float& r) {
    l = r = 0.0f;
    for (Unison& u : voices) {
        const cOscillator::Shapes o = u.osc.next();
        const float v = s.saw * o.saw + s.pulse * o.pulse;
        l += v * u.gain_l;
        r += v * u.gain_r;
    }
}

} // namespace

float cToneVoice::vibrato(size_t frame) const {
    if (shape_.vibrato_cents <= 0.0f)
        return 1.0f;
    const float t = float(frame) / kSampleRate;
    const float fade = std::clamp((t - shape_.vibrato_delay) / 0.3f, 0.0f, 1.0f);
    const float cents = fade * shape_.vibrato_cents * std::sin(6.2831853f * shape_.vibrato_hz * t);
    return std::exp2(cents / 1200.0f);
}

// A voice without stereo width has identical sides: it runs one filter and
// copies. The filter is re-tuned only when its cutoff really moves.
void cToneVoice::play(const VoiceNote& note, StereoBuffer& out, size_t start) {
    if (start >= out.frames())
        return;
    const size_t length =
        std::min(cEnvelope::ring_frames(shape_.amp, note.hold), out.frames() - start);
    const float hz = note_hz(float(note.pitch));
    std::vector<Unison> voices = make_unison(shape_);
    cOscillator sub;
    cEnvelope amp(shape_.amp, note.hold), filter_env(shape_.filter, note.hold);
    cFilter filter_l, filter_r;
    const bool mono = shape_.width == 0.0f;
    const float base_cutoff = shape_.cutoff_hz + note.velocity * shape_.velocity_cutoff_hz;
    const float level = note.velocity;
    float cutoff = -1.0f;
    for (size_t i = 0; i < length && !(i > note.hold && amp.done()); ++i) {
        const float fenv = filter_env.next();
        if (i % 8 == 0) { // pitch and cutoff move slowly enough for a control rate
            if (i == 0 || shape_.vibrato_cents > 0.0f)
                retune(voices, sub, hz * vibrato(i));
            const float target = base_cutoff + fenv * shape_.envelope_cutoff_hz;
            if (target != cutoff) {
                cutoff = target;
                filter_l.set(cutoff, shape_.resonance);
                filter_r.set(cutoff, shape_.resonance);
            }
        }
        float l, r;
        mix_oscillators(voices, shape_, l, r);
        const float low = shape_.sub > 0.0f ? shape_.sub * sub.next_sine() * 0.7071f : 0.0f;
        const float gain = amp.next() * level;
        const float left = (filter_l.low(l) + low) * gain;
        out.left[start + i] += left;
        out.right[start + i] += mono ? left : (filter_r.low(r) + low) * gain;
    }
}
