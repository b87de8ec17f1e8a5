// A kit on one track: each note number plays its own drum voices (layered
// when there are several), like the General MIDI drum map. Notes without a
// voice stay silent; the map owns its voices.
#pragma once

#include "Instrument.h"

#include <map>
#include <memory>
#include <vector>

class cDrumMap : public iInstrument {
public:
    // Adds a voice (or another layer) to `pitch`.
    cDrumMap& add(int pitch, std::unique_ptr<iInstrument> voice);
    void play(const VoiceNote& note, StereoBuffer& out, size_t start) override;

private:
    std::map<int, std::vector<std::unique_ptr<iInstrument>>> voices_;
};
