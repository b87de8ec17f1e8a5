#include "PulseMix.h"

#include "KickDrum.h"
#include "NoiseDrum.h"
#include "PulseTracks.h"
#include "Riser.h"
#include "ToneVoice.h"

cPulseMix::cPulseMix(double bpm) {
    add_drums();
    add_tones();
    bus_.delay.seconds = 0.75 * 60.0 / bpm; // a dotted eighth
    bus_.delay.feedback = 0.42f;
    bus_.delay_return = 0.55f;
    bus_.duck_track = kKickTrack;
    bus_.duck_release = 0.09f;
}

void cPulseMix::add(std::unique_ptr<iInstrument> instrument, float gain, float pan, float send,
                    float duck) {
    tracks_.push_back({instrument.get(), gain, pan, send, duck});
    instruments_.push_back(std::move(instrument));
}

// Added in ePulseTrack order.
void cPulseMix::add_drums() {
    add(std::make_unique<cKickDrum>(KickShape{}), 0.8f, 0.0f, 0.0f, 0.0f);
    NoiseDrumShape snare{0.13f, 900.0f, 3500.0f, 0.2f, 185.0f, 0.07f, 0.5f, 1, 0.0f, 0.3f};
    add(std::make_unique<cNoiseDrum>(snare), 0.45f, 0.0f, 0.05f, 0.0f);
    NoiseDrumShape clap{0.09f, 700.0f, 1300.0f, 0.35f, 0.0f, 0.05f, 0.0f, 3, 0.011f, 0.6f};
    add(std::make_unique<cNoiseDrum>(clap), 0.9f, 0.05f, 0.1f, 0.0f);
    NoiseDrumShape hat{0.035f, 7500.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.2f};
    add(std::make_unique<cNoiseDrum>(hat), 0.4f, 0.25f, 0.0f, 0.0f);
    NoiseDrumShape open_hat{0.2f, 6500.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.3f};
    add(std::make_unique<cNoiseDrum>(open_hat), 0.22f, -0.25f, 0.0f, 0.3f);
    NoiseDrumShape crash{1.1f, 3500.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.0f, 1, 0.0f, 0.8f};
    add(std::make_unique<cNoiseDrum>(crash), 0.3f, 0.0f, 0.0f, 0.0f);
    add(std::make_unique<cRiser>(RiserShape{}), 0.5f, 0.0f, 0.2f, 0.0f);
}

void cPulseMix::add_tones() {
    ToneShape bass;
    bass.saw = 0.8f, bass.sub = 0.9f, bass.cutoff_hz = 220.0f;
    bass.envelope_cutoff_hz = 1400.0f, bass.resonance = 0.35f;
    bass.amp = {0.003f, 0.25f, 0.75f, 0.04f};
    bass.filter = {0.001f, 0.09f, 0.0f, 0.05f};
    add(std::make_unique<cToneVoice>(bass), 0.6f, 0.0f, 0.0f, 0.6f);

    ToneShape pad;
    pad.unison = 4, pad.detune_cents = 22.0f, pad.width = 0.9f;
    pad.cutoff_hz = 900.0f, pad.velocity_cutoff_hz = 1500.0f, pad.resonance = 0.15f;
    pad.amp = {0.25f, 0.6f, 0.8f, 0.4f};
    add(std::make_unique<cToneVoice>(pad), 0.22f, 0.0f, 0.1f, 0.7f);

    ToneShape arp;
    arp.saw = 0.4f, arp.pulse = 0.6f, arp.cutoff_hz = 300.0f, arp.velocity_cutoff_hz = 3500.0f;
    arp.envelope_cutoff_hz = 1500.0f, arp.resonance = 0.45f;
    arp.amp = {0.001f, 0.15f, 0.0f, 0.06f};
    arp.filter = {0.001f, 0.08f, 0.0f, 0.05f};
    add(std::make_unique<cToneVoice>(arp), 0.4f, -0.2f, 0.4f, 0.3f);

    ToneShape lead;
    lead.unison = 2, lead.detune_cents = 10.0f, lead.width = 0.5f;
    lead.cutoff_hz = 900.0f, lead.velocity_cutoff_hz = 1200.0f;
    lead.envelope_cutoff_hz = 2500.0f, lead.resonance = 0.25f;
    lead.vibrato_cents = 18.0f, lead.vibrato_hz = 5.5f;
    lead.amp = {0.008f, 0.3f, 0.75f, 0.15f};
    lead.filter = {0.005f, 0.25f, 0.2f, 0.2f};
    add(std::make_unique<cToneVoice>(lead), 0.34f, 0.1f, 0.35f, 0.2f);
}
