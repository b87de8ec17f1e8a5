// A controller change from the tune's MIDI file: controller number and
// value. Scenes use controllers as automation curves drawn in the tune.
#pragma once

#include "iMidiEvent.h"

class cMECtrlChange : public iMidiEvent {
public:
    cMECtrlChange(int controller, int value) : iMidiEvent(kControl, controller, value) {}
};
