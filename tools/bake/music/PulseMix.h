// The sound of "pulse55": one instrument patch (or drum kit) per track and
// the mix around them (levels, panning, echo sends, ducking under the kick).
// It owns the instruments and hands the synthesiser its track table.
#pragma once

#include "Instrument.h"
#include "Synth.h"

#include <memory>
#include <vector>

class cPulseMix {
public:
    explicit cPulseMix(double bpm);
    const std::vector<TrackMix>& tracks() const { return tracks_; }
    const BusSettings& bus() const { return bus_; }

private:
    void add_drums();
    void add_kits();
    void add_tones();
    void add_leads();
    void add(int track, std::unique_ptr<iInstrument> instrument, float gain, float pan, float send,
             float duck);

    std::vector<std::unique_ptr<iInstrument>> instruments_;
    std::vector<TrackMix> tracks_;
    BusSettings bus_;
};
