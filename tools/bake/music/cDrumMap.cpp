#include "cDrumMap.h"

cDrumMap& cDrumMap::add(int pitch, std::unique_ptr<iInstrument> voice) {
    voices_[pitch].push_back(std::move(voice));
    return *this;
}

void cDrumMap::play(const VoiceNote& note, StereoBuffer& out, size_t start) {
    const auto layers = voices_.find(note.pitch);
    if (layers == voices_.end())
        return;
    for (const auto& voice : layers->second)
        voice->play(note, out, start);
}
