// The credits sun's camera moves through the credits room: a slow 14-second drift while
// the sun grows and four long moves that read as well backwards as forwards, all eased at
// both ends and looking at the sun, clear of the room as the room's own cuts are.
#pragma once

#include "cBakePathWriter.h"

#include <vector>

class cCreditsSunPaths {
public:
    static constexpr int kKeys = 64;
    // The drift ("camslow.pth"), then "longpath01.pth" to "longpath04.pth".
    static std::vector<cBakePathFile> all();

private:
    // A move from `from` past `via` to `to`, eased at both ends, its gaze held on the sun.
    static std::vector<cBakePathKey> move(const Vec3f& from, const Vec3f& via, const Vec3f& to);
};
