// A short timeline of the demo played through the capture tool in a throw-away demo tree, and
// the frames it wrote, as the scene capture tests look at them: the letterboxed picture's
// pixels, rows from the top.
#pragma once

#include "MidiBuilder.h"
#include "TestAudio.h"

#include <cstdint>
#include <string>
#include <vector>

struct sCapturedFrame {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb; // empty when the file could not be read

    const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
    // The share of the picture's pixels for which `test(pixel)` holds.
    template <class F> double share(F test) const {
        size_t n = 0;
        for (size_t i = 0; i < rgb.size(); i += 3)
            n += test(&rgb[i]) ? 1 : 0;
        return rgb.empty() ? 0 : double(n) / double(rgb.size() / 3);
    }
};

// Makes the demo tree in `dir` with the event script `timeline`, a test tune of `seconds` and
// a MIDI file of `tracks` (480 ticks a beat), then runs capture from its bin/ with `options`
// (frames go to out/). Returns the exit code; `errors` receives what capture wrote there.
int run_capture(const TempDir& dir, const std::string& timeline,
                const std::vector<cMidiTrack>& tracks, int seconds, const std::string& options,
                std::string* errors);

// The picture of out/frame_<ms>.png: the 1024 x 640 letterboxed picture of the window.
sCapturedFrame captured_frame(const TempDir& dir, int ms);
