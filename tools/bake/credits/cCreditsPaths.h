// The credits room's camera moves: eight short cuts (1.2 to 1.5 s each), one slow
// 14-second drift, and four long moves that read as well backwards as forwards. All stay
// inside the hall, clear of the walls, the pillars, the ring, the lamps and the logo.
#pragma once

#include "cBakePathWriter.h"

#include <string>
#include <vector>

struct cCreditsPath {
    std::string file; // e.g. "cam01.pth"
    std::vector<cBakePathKey> keys;
};

class cCreditsPaths {
public:
    static constexpr int kKeys = 64;
    static std::vector<cCreditsPath> all();

private:
    // A move from `from` past `via` to `to`, looking from `look0` to `look1`; eased at
    // both ends when `eased`.
    static std::vector<cBakePathKey> move(const Vec3f& from, const Vec3f& via, const Vec3f& to,
                                          const Vec3f& look0, const Vec3f& look1, bool eased);
};
