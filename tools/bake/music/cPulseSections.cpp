#include "cPulseSections.h"

#include "PulseTracks.h"
#include "cPulseDrums.h"
#include "cPulseTones.h"

// Pad and a dark arpeggio swell up; a riser leads into the solar flare.
void cPulseSections::attractor_intro(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones t(score, kHomeProgression);
    t.pad(bar, 4, 70);
    t.arp(bar, 4, 35, 75);
    t.bass(bar + 2, 2, kHeldBass);
    t.accents(bar, 4, {0.0});
    d.shaker(bar + 2, 2);
    d.riser(bar + 2, 2);
}

// Eight calm bars under the title, then the kick, a build, and the drop on
// bar 20 of the piece. The one impact sits two beats before the scene's end.
void cPulseSections::solar_flare(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones home(score, kHomeProgression);
    d.crash(bar);
    home.pad(bar, 16, 80);
    home.bass(bar, 8, kHeldBass);
    home.arp(bar, 16, 55, 105);
    home.accents(bar, 8, {2.5});
    d.percussion(bar + 4, 4);
    d.shaker(bar, 16);
    d.kick(bar + 8, 7);
    d.hats(bar + 8, 8, false);
    home.bass(bar + 8, 7, kOffbeatBass);
    d.backbeat(bar + 12, 3);
    d.snare_roll(bar + 12, 4);
    d.riser(bar + 12, 4);
    // The drop: four bars of the hook, cut off by the impact.
    d.crash(bar + 16);
    d.kicks(4 * (bar + 16), 14);
    d.backbeat(bar + 16, 4);
    d.hats(bar + 16, 4, true);
    d.open_hats(bar + 16, 3);
    home.bass(bar + 16, 3, kDrivingBass);
    home.pad(bar + 16, 4, 100);
    home.arp(bar + 16, 4, 100, 100);
    home.lead(bar + 16, 4, kHookMelody);
    d.impact(4.0 * (bar + 19) + 2.0);
}

// A driving groove under the returning attractor; its last four bars build
// with a roll and a riser while the attractor switches on every beat.
void cPulseSections::attractor_return(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones t(score, kDriveProgression);
    d.crash(bar);
    d.kick(bar, 12);
    d.backbeat(bar, 11);
    d.hats(bar, 8, false);
    d.hats(bar + 8, 4, true);
    d.open_hats(bar, 8);
    d.percussion(bar, 8);
    t.bass(bar, 8, kOffbeatBass);
    t.bass(bar + 8, 4, kDrivingBass);
    t.pad(bar, 12, 75);
    t.pluck(bar, 8, 75);
    t.arp(bar + 8, 4, 60, 115);
    d.snare_roll(bar + 8, 4);
    d.riser(bar + 8, 4);
}

// Four bars without a kick, twelve of groove ending in a kick roll, the main
// drop (bar 16 of the scene: its 53rd kick), the percussion part from bar 24
// (85th kick) and a last bar frozen on the 113th kick, rolling into the scrub.
void cPulseSections::sprutte(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones home(score, kHomeProgression), drive(score, kDriveProgression);
    d.crash(bar);
    d.impact(4.0 * bar);
    home.pad(bar, 16, 95);
    home.arp(bar, 16, 60, 110);
    home.pluck(bar, 4, 60);
    home.bass(bar, 4, kHeldBass);
    d.shaker(bar, 16);
    d.riser(bar + 2, 2);
    d.kick(bar + 4, 11);
    d.kick_roll(bar + 15);
    d.hats(bar + 4, 12, false);
    d.backbeat(bar + 8, 8);
    home.bass(bar + 4, 12, kOffbeatBass);
    d.snare_roll(bar + 12, 4);
    d.riser(bar + 12, 4);
    // Main part: the hook over the full beat.
    d.crash(bar + 16);
    d.impact(4.0 * (bar + 16));
    d.kick(bar + 16, 16);
    d.backbeat(bar + 16, 15);
    d.hats(bar + 16, 16, true);
    d.open_hats(bar + 16, 16);
    home.bass(bar + 16, 8, kDrivingBass);
    home.pad(bar + 16, 8, 100);
    home.arp(bar + 16, 8, 95, 95);
    home.lead(bar + 16, 8, kHookMelody);
    home.stabs(bar + 16, 8, 60, 60);
    // Rings: the percussion line leads, over the darker progression.
    d.crash(bar + 24);
    d.percussion(bar + 24, 8);
    drive.bass(bar + 24, 8, kDrivingBass);
    drive.pad(bar + 24, 8, 95);
    drive.lead(bar + 24, 6, kDriveMelody);
    drive.pluck(bar + 24, 8, 80);
    d.fill(bar + 27);
    d.snare_roll(bar + 30, 2);
    d.riser(bar + 30, 2);
}

// Two bars without a kick (the head picture), eight with claps on the accent
// track, then a crash on every second bar from bar 10: the seven greetings.
void cPulseSections::scrub(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones t(score, kLiftProgression);
    d.crash(bar);
    d.impact(4.0 * bar);
    t.pad(bar, 24, 85);
    t.bass(bar, 2, kHeldBass);
    t.arp(bar, 24, 70, 100);
    d.kick(bar + 2, 22);
    d.hats(bar + 2, 8, false);
    d.clap_accents(bar + 2, 8, 4.0 * (bar + 9) + 1.0);
    t.accents(bar, 10, {2.5});
    t.bass(bar + 2, 8, kOffbeatBass);
    for (int g = 0; g < 7; ++g)
        d.crash(bar + 10 + 2 * g);
    t.accents(bar + 10, 14, {1.0, 3.0});
    d.backbeat(bar + 10, 14);
    d.hats(bar + 10, 14, true);
    d.open_hats(bar + 10, 14);
    t.bass(bar + 10, 14, kDrivingBass);
    t.pluck(bar + 10, 12, 70);
    d.snare_roll(bar + 22, 2);
    d.riser(bar + 22, 2);
}

// The busted room: claps that stutter the lights, a splash on every bar
// (every third one flashes), the path cutting on every second kick.
void cPulseSections::credits_room(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones t(score, kDriveProgression);
    d.crash(bar);
    for (int b = 1; b < 16; ++b)
        d.splash(4.0 * (bar + b));
    d.kick(bar, 16);
    d.backbeat(bar, 16);
    for (int b = 3; b < 16; b += 4)
        d.clap_stutter(bar + b);
    d.hats(bar, 16, true);
    d.open_hats(bar, 14);
    d.percussion(bar, 14);
    t.bass(bar, 16, kDrivingBass);
    t.pad(bar, 16, 80);
    t.pluck(bar, 14, 80);
    t.lead(bar, 8, kDriveMelody);
    t.arp(bar + 8, 8, 70, 110);
    d.snare_roll(bar + 14, 2);
    d.riser(bar + 14, 2);
}

// The finale: the hook twice over stabs whose light level rises to full,
// with bell accents that steer the camera (32 of them), then the build.
void cPulseSections::credits_sun(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones t(score, kHomeProgression);
    d.crash(bar);
    d.kick(bar, 20);
    d.hats(bar, 8, false);
    d.hats(bar + 8, 12, true);
    d.backbeat(bar + 8, 12);
    d.open_hats(bar + 8, 12);
    t.bass(bar, 8, kOffbeatBass);
    t.bass(bar + 8, 12, kDrivingBass);
    t.pad(bar, 20, 90);
    t.stabs(bar, 8, 16, 127);
    t.stabs(bar + 8, 8, 127, 127);
    t.stabs(bar + 16, 4, 127, 40);
    t.accents(bar, 8, {2.0});
    t.accents(bar + 8, 12, {1.0, 3.0});
    t.lead(bar, 16, kHookMelody);
    d.crash(bar + 8);
    t.arp(bar + 8, 12, 80, 110);
    d.snare_roll(bar + 16, 4);
    d.riser(bar + 16, 4);
}

// The beat thins out under the end logo; everything lands on the final chord.
void cPulseSections::ending(Score& score, int bar) {
    cPulseDrums d(score);
    cPulseTones t(score, kHomeProgression);
    d.crash(bar);
    d.kick(bar, 2);
    d.hats(bar, 4, false);
    t.bass(bar, 4, kHeldBass);
    t.pad(bar, 4, 80);
    t.arp(bar, 4, 90, 40);
    d.crash(bar + 4);
    d.kicks(4 * (bar + 4), 1);
    d.impact(4.0 * (bar + 4));
    t.final_chord(bar + 4, 6);
}
