#include "cPulseHarmony.h"

namespace {

enum eChord { kAm, kF, kC, kG, kDm, kE, kEm, kChordCount };

const int kTriads[kChordCount][3] = {
    {57, 60, 64}, // Am
    {57, 60, 65}, // F
    {55, 60, 64}, // C
    {55, 59, 62}, // G
    {57, 62, 65}, // Dm
    {56, 59, 64}, // E
    {55, 59, 64}, // Em
};
const int kRoots[kChordCount] = {33, 29, 36, 31, 38, 28, 28}; // A1 is 55 Hz

const int kProgressions[3][4] = {
    {kAm, kF, kC, kG},
    {kAm, kDm, kF, kE},
    {kF, kG, kEm, kAm},
};

} // namespace

int cPulseHarmony::chord(int bar) const {
    return kProgressions[progression_][((bar % 4) + 4) % 4];
}

int cPulseHarmony::chord_tone(int bar, int index) const {
    const int* triad = kTriads[chord(bar)];
    return triad[index % 3] + 12 * (index / 3);
}

int cPulseHarmony::bass_root(int bar) const {
    return kRoots[chord(bar)];
}
