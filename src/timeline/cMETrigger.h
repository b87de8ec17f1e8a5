// A note from the tune's MIDI file: note-on or note-off with its note
// number and velocity. Scenes react to note-ons of particular tracks and
// look ahead for the n-th note of a track.
#pragma once

#include "iMidiEvent.h"

class cMETrigger : public iMidiEvent {
public:
    cMETrigger(int kind_, int note, int velocity) : iMidiEvent(kind_, note, velocity) {}
    bool is_note_on() const { return kind == kNoteOn; }
};
