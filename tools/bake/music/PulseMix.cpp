#include "PulseMix.h"

#include "KickDrum.h"
#include "NoiseDrum.h"
#include "PulseTracks.h"
#include "Riser.h"
#include "ToneVoice.h"
#include "cDrumMap.h"

namespace {

std::unique_ptr<iInstrument> noise(const NoiseDrumShape& shape) {
    return std::make_unique<cNoiseDrum>(shape);
}

// The same noise voice with its top shaped: bright up to `hit_hz` at the hit,
// settling to `tail_hz` after a few milliseconds, so hats and cymbals keep
// their click while the hiss they ring on with stays below the air band.
std::unique_ptr<iInstrument> noise(NoiseDrumShape shape, float hit_hz, float tail_hz,
                                   float glide = 0.008f) {
    shape.hit_lowpass_hz = hit_hz;
    shape.lowpass_hz = tail_hz;
    shape.hit_decay = glide;
    return noise(shape);
}

std::unique_ptr<iInstrument> drum(const KickShape& shape) {
    return std::make_unique<cKickDrum>(shape);
}

std::unique_ptr<iInstrument> tone(const ToneShape& shape) {
    return std::make_unique<cToneVoice>(shape);
}

} // namespace

cPulseMix::cPulseMix(double bpm) : tracks_(kPulseTrackCount) {
    add_drums();
    add_kits();
    add_tones();
    add_leads();
    bus_.delay.seconds = 0.75 * 60.0 / bpm; // a dotted eighth
    bus_.delay.feedback = 0.42f;
    bus_.delay_return = 0.55f;
    bus_.duck_track = kKickTrack;
    bus_.duck_release = 0.09f;
}

void cPulseMix::add(int track, std::unique_ptr<iInstrument> instrument, float gain, float pan,
                    float send, float duck) {
    tracks_[size_t(track)] = {instrument.get(), gain, pan, send, duck};
    instruments_.push_back(std::move(instrument));
}

void cPulseMix::add_drums() {
    KickShape kick;
    kick.decay = 0.16f; // a tighter body leaves the low end room for the bass
    add(kKickTrack, drum(kick), 0.66f, 0.0f, 0.0f, 0.0f);
    add(kHatTrack,
        noise({0.035f, 7000.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.2f}, 16000.0f, 9000.0f),
        0.4f, 0.25f, 0.0f, 0.0f);
    add(kClapTrack, noise({0.09f, 700.0f, 1300.0f, 0.35f, 0.0f, 0.05f, 0.0f, 3, 0.011f, 0.6f}),
        0.85f, 0.05f, 0.1f, 0.0f);
    add(kOpenHatTrack,
        noise({0.2f, 6000.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.3f}, 15000.0f, 8000.0f),
        0.24f, -0.25f, 0.0f, 0.3f);
    RiserShape riser;
    riser.to_hz = 6000.0f; // the sweep peaks below the air band
    add(kRiserTrack, std::make_unique<cRiser>(riser), 0.45f, 0.0f, 0.2f, 0.0f);
    add(kSnareTrack,
        noise({0.13f, 900.0f, 3500.0f, 0.2f, 185.0f, 0.07f, 0.5f, 1, 0.0f, 0.3f}, 14000.0f,
              6500.0f),
        0.42f, -0.05f, 0.08f, 0.0f);
    add(kShakerTrack,
        noise({0.03f, 5000.0f, 7000.0f, 0.3f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.5f}, 12000.0f, 7500.0f),
        0.22f, -0.35f, 0.0f, 0.2f);
}

// Multi-voice tracks: the impact (boom and noise burst on one note), the
// crash track's cymbals and claps, and the tuned percussion line.
void cPulseMix::add_kits() {
    auto impact = std::make_unique<cDrumMap>();
    impact->add(kImpactPitch, drum({120.0f, 32.0f, 0.12f, 0.8f, 0.6f, 2.5f}))
        .add(kImpactPitch, noise({0.7f, 200.0f, 900.0f, 0.2f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.9f}));
    add(kImpactTrack, std::move(impact), 0.6f, 0.0f, 0.25f, 0.0f);

    auto crash = std::make_unique<cDrumMap>();
    crash
        ->add(kCrashPitch, noise({1.1f, 3500.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.8f},
                                 14000.0f, 6500.0f, 0.03f))
        .add(kSplashPitch, noise({0.35f, 4500.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.7f},
                                 15000.0f, 7500.0f, 0.015f))
        .add(kClapPitch, noise({0.12f, 800.0f, 1500.0f, 0.3f, 0.0f, 0.05f, 0.0f, 4, 0.01f, 0.7f}));
    add(kCrashTrack, std::move(crash), 0.25f, 0.0f, 0.1f, 0.0f);

    auto perc = std::make_unique<cDrumMap>();
    const KickShape tom{190.0f, 105.0f, 0.03f, 0.18f, 0.25f, 1.3f, kLowTomPitch};
    const KickShape conga{420.0f, 300.0f, 0.01f, 0.09f, 0.15f, 1.2f, kHighCongaPitch};
    for (int pitch : {kLowTomPitch, kMidTomPitch, kHighTomPitch})
        perc->add(pitch, drum(tom));
    for (int pitch : {kHighCongaPitch, kLowCongaPitch})
        perc->add(pitch, drum(conga));
    add(kPercTrack, std::move(perc), 0.45f, 0.3f, 0.15f, 0.2f);
}

void cPulseMix::add_tones() {
    ToneShape bass;
    bass.saw = 0.8f, bass.sub = 0.9f, bass.cutoff_hz = 220.0f;
    bass.envelope_cutoff_hz = 1400.0f, bass.resonance = 0.35f;
    bass.amp = {0.003f, 0.25f, 0.75f, 0.04f};
    bass.filter = {0.001f, 0.09f, 0.0f, 0.05f};
    add(kBassTrack, tone(bass), 0.4f, 0.0f, 0.0f, 0.6f);

    ToneShape pad;
    pad.unison = 3, pad.detune_cents = 22.0f, pad.width = 0.9f;
    pad.cutoff_hz = 900.0f, pad.velocity_cutoff_hz = 1500.0f, pad.resonance = 0.15f;
    pad.amp = {0.25f, 0.6f, 0.8f, 0.3f};
    add(kPadTrack, tone(pad), 0.27f, 0.0f, 0.1f, 0.7f);

    ToneShape arp;
    arp.saw = 0.4f, arp.pulse = 0.6f, arp.cutoff_hz = 300.0f, arp.velocity_cutoff_hz = 3500.0f;
    arp.envelope_cutoff_hz = 1500.0f, arp.resonance = 0.45f;
    arp.amp = {0.001f, 0.15f, 0.0f, 0.06f};
    arp.filter = {0.001f, 0.08f, 0.0f, 0.05f};
    add(kArpTrack, tone(arp), 0.38f, -0.2f, 0.4f, 0.3f);

    ToneShape stab;
    stab.unison = 2, stab.detune_cents = 14.0f, stab.width = 0.6f;
    stab.cutoff_hz = 500.0f, stab.velocity_cutoff_hz = 2500.0f, stab.envelope_cutoff_hz = 2000.0f;
    stab.resonance = 0.3f;
    stab.amp = {0.002f, 0.12f, 0.3f, 0.08f};
    stab.filter = {0.001f, 0.1f, 0.0f, 0.08f};
    add(kStabTrack, tone(stab), 0.24f, 0.15f, 0.3f, 0.4f);
}

void cPulseMix::add_leads() {
    ToneShape lead;
    lead.unison = 2, lead.detune_cents = 10.0f, lead.width = 0.5f;
    lead.cutoff_hz = 900.0f, lead.velocity_cutoff_hz = 1200.0f;
    lead.envelope_cutoff_hz = 2500.0f, lead.resonance = 0.25f;
    lead.vibrato_cents = 18.0f, lead.vibrato_hz = 5.5f;
    lead.amp = {0.008f, 0.3f, 0.75f, 0.15f};
    lead.filter = {0.005f, 0.25f, 0.2f, 0.2f};
    add(kLeadTrack, tone(lead), 0.36f, 0.1f, 0.35f, 0.2f);

    ToneShape pluck;
    pluck.saw = 0.3f, pluck.pulse = 0.7f, pluck.cutoff_hz = 600.0f;
    pluck.envelope_cutoff_hz = 3000.0f, pluck.resonance = 0.3f;
    pluck.amp = {0.001f, 0.18f, 0.0f, 0.08f};
    pluck.filter = {0.001f, 0.06f, 0.0f, 0.05f};
    add(kPluckTrack, tone(pluck), 0.25f, 0.35f, 0.45f, 0.3f);

    ToneShape bell;
    bell.saw = 0.0f, bell.pulse = 0.5f, bell.sub = 0.6f, bell.cutoff_hz = 2500.0f;
    bell.envelope_cutoff_hz = 3000.0f, bell.resonance = 0.2f;
    bell.amp = {0.001f, 0.35f, 0.0f, 0.25f};
    bell.filter = {0.001f, 0.1f, 0.0f, 0.1f};
    add(kAccentTrack, tone(bell), 0.2f, -0.4f, 0.5f, 0.1f);
}
