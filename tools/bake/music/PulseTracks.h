// The tracks of "pulse55" (A minor, 118 bpm; its bass root A1 is 55 Hz). The
// index is the track number in the Score and in the MIDI file, and it is
// fixed: the demo's scenes react to notes of tracks 1, 4, 7, 9, 10, 12 and 17.
#pragma once

enum ePulseTrack {
    kConductorTrack, // 0: name, tempo and time signature only
    kKickTrack,      // 1: bass drum, on the beat through most of the piece
    kBassTrack,      // 2: bass line
    kHatTrack,       // 3: closed hi-hat
    kClapTrack,      // 4: snare/clap backbeat (the credits room's lights stutter)
    kOpenHatTrack,   // 5: open hi-hat on the off-beats
    kRiserTrack,     // 6: noise sweeps into the drops
    kImpactTrack,    // 7: impact hits (the solar flare's white-out)
    kSnareTrack,     // 8: snare rolls and fills of the build-ups
    kStabTrack,      // 9: chord stabs, and controller 72 for the lights
    kCrashTrack,     // 10: crash and accent hits (greetings, flashes)
    kPadTrack,       // 11: sustained chords
    kPercTrack,      // 12: tom and conga line (the sprutte rings)
    kArpTrack,       // 13: 16th-note arpeggio of the chords
    kLeadTrack,      // 14: the melody
    kShakerTrack,    // 15: 16th shaker
    kPluckTrack,     // 16: counter-melody pluck
    kAccentTrack,    // 17: bell accents (scrub colour, credits sun camera)
    kPulseTrackCount
};

enum eDrumPitch {
    kKickPitch = 36,
    kRimPitch = 37,
    kClapPitch = 39,
    kSnarePitch = 38,
    kLowTomPitch = 45,
    kMidTomPitch = 47,
    kHighTomPitch = 50,
    kHatPitch = 42,
    kOpenHatPitch = 46,
    kCrashPitch = 49,
    kSplashPitch = 55,
    kShakerPitch = 70,
    kHighCongaPitch = 62,
    kLowCongaPitch = 64,
    kImpactPitch = 36,
};

// The controller the stabs carry for the credits sun's light level.
constexpr int kLightController = 72;
