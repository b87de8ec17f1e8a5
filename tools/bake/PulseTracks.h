// The instrument tracks of the short "pulse55" piece (A minor, 125 bpm; its
// bass root A1 is 55 Hz). The index is the track number in the Score, and
// the drum tracks use General MIDI drum-map pitches.
#pragma once

enum ePulseTrack {
    kKickTrack,    // bass drum, four on the floor
    kSnareTrack,   // snare on 2 and 4, and the build's roll
    kClapTrack,    // hand clap layered on the drop's backbeat
    kHatTrack,     // closed hi-hat
    kOpenHatTrack, // open hi-hat on the off-beats
    kCrashTrack,   // crash cymbal at section starts and the final hit
    kRiserTrack,   // noise sweep into the drop
    kBassTrack,    // bass line
    kPadTrack,     // sustained chords
    kArpTrack,     // 16th-note arpeggio of the chords
    kLeadTrack,    // the melody of the drop
    kPulseTrackCount
};

enum eDrumPitch {
    kKickPitch = 36,
    kSnarePitch = 38,
    kClapPitch = 39,
    kHatPitch = 42,
    kOpenHatPitch = 46,
    kCrashPitch = 49,
};
