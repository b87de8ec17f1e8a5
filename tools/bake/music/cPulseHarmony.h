// The chords of "pulse55": a section picks one four-bar progression and every
// tonal part reads its chord tones and bass roots from it, so bass, pads,
// stabs and melodies always agree. Chords are close voiced around middle C.
#pragma once

enum eProgression {
    kHomeProgression,  // Am F C G: intro, drops and the finale
    kDriveProgression, // Am Dm F E: tension for the grooves and builds
    kLiftProgression,  // F G Em Am: the brighter greetings part
};

class cPulseHarmony {
public:
    explicit cPulseHarmony(eProgression progression) : progression_(progression) {}

    // Tone `index` of the bar's chord: 0..2 the triad, 3..5 an octave higher.
    int chord_tone(int bar, int index) const;
    // The bar's bass root, between E1 and D2.
    int bass_root(int bar) const;

private:
    int chord(int bar) const;

    eProgression progression_;
};
