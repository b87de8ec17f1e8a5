// A timeline event made from the tune's MIDI file: its kind, the index of
// the track it came from and its two data bytes. Every MIDI event has type
// 30; time and track are -1 until the reader sets them.
#pragma once

#include "cEvent.h"

class iMidiEvent : public cEvent {
public:
    enum eKind { kNoteOn = 1, kNoteOff = 2, kControl = 3 };

    iMidiEvent(int kind_, int data1_, int data2_)
        : cEvent(kMidi, -1), kind(kind_), data1(data1_), data2(data2_) {}

    int kind;
    int track = -1;
    int data1; // note number, or controller number
    int data2; // velocity, or controller value
};
