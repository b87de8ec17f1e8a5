// What the X display the tests run on shows, read back as the user would see it: the whole
// root window as RGB rows from the top, for comparing with the picture the demo must
// show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct sScreenGrab {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // rows top first; empty when there is no display

    const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

// `display` names another X display than the tests' own (":N").
sScreenGrab grab_screen(const char* display = nullptr);
