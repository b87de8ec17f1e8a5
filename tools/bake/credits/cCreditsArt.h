// The credits room's pictures: the yellow grade (a 256 x 1 table) and the ambient gas
// puff for particles. The credits sun loads the puff from the room's folder too; its own
// pictures have a module of their own.
#pragma once

#include <cstdint>
#include <vector>

class cCreditsArt {
public:
    static constexpr int kPuffSize = 128;

    // RGB per entry: shadows kept, mids and highs warmed towards yellow, blue held back.
    static std::vector<uint8_t> yellow_grade();
    // A round puff of gas, RGBA: warm white, alpha fading to nothing at the rim.
    static std::vector<uint8_t> gas_puff();
};
