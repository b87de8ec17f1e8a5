// The credits room's camera moves: eight short cuts of 1.2 to 1.5 s each, the camera
// already moving when the picture cuts to it. All stay inside the hall, clear of the
// walls, the pillars, the ring, the lamps and the logo.
#pragma once

#include "cBakePathWriter.h"

#include <vector>

class cCreditsPaths {
public:
    static constexpr int kKeys = 64;
    static std::vector<cBakePathFile> all();

private:
    // A move from `from` past `via` to `to`, looking from `look0` to `look1`.
    static std::vector<cBakePathKey> move(const Vec3f& from, const Vec3f& via, const Vec3f& to,
                                          const Vec3f& look0, const Vec3f& look1);
};
