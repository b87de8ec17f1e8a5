#include "cBakeSprutteMoves.h"

#include "base/Pi.h"

#include <cmath>

namespace {

cBakeCameraPath line(std::vector<Vec3f> eye, std::vector<Vec3f> look) {
    cBakeCameraPath path{cBakeSpline(std::move(eye)), cBakeSpline(std::move(look))};
    path.set_even_speed(true);
    return path;
}

} // namespace

cBakeCameraPath cBakeSprutteMoves::orbit(float radius, float height, float from_degrees,
                                         float to_degrees, const Vec3f& look) {
    std::vector<Vec3f> eye;
    for (int k = 0; k <= 8; ++k) {
        const float a =
            (from_degrees + (to_degrees - from_degrees) * static_cast<float>(k) / 8) * kPi / 180;
        eye.push_back({radius * std::cos(a), height, radius * std::sin(a)});
    }
    return line(eye, {look, look * 0.98f});
}

// The creature is the subject: every move stays 200 to 260 units from its centre, just outside
// the cage's bars (radius 175), as close as the intro's camera ends, and looks at it.
std::vector<cBakeCameraPath> cBakeSprutteMoves::paths() {
    std::vector<cBakeCameraPath> all;
    // 1: a slow orbit at arm height.
    all.push_back(orbit(215, 60, 20, 75, {0, 0, 0}));
    // 2: a sweep across the front, the creature passing through the frame's middle.
    all.push_back(line({{-150, 90, 130}, {0, 80, 205}, {150, 45, 150}},
                       {{-15, 5, 0}, {0, 0, 0}, {15, -5, 0}}));
    // 3: a dive from above down to the equator.
    all.push_back(line({{120, 190, 100}, {150, 120, 110}, {170, 30, 115}},
                       {{0, 15, 0}, {0, 0, 0}, {0, -15, 0}}));
    // 4: a low orbit looking up at the underside.
    all.push_back(orbit(200, -110, 200, 262, {0, 10, 0}));
    // 5: a push in along the tube's axis, up to the bars.
    all.push_back(
        line({{0, 20, 245}, {10, 25, 222}, {25, 30, 202}}, {{0, 0, 0}, {0, 0, 0}, {0, 5, 0}}));
    // 6: along an arm, from the root towards its tip.
    all.push_back(line({{60, 190, 90}, {120, 170, 80}, {170, 140, 70}},
                       {{10, 0, 0}, {30, 0, 0}, {50, 0, 0}}));
    // 7: overhead, turning about the creature.
    cBakeCameraPath top = orbit(110, 200, 90, 180, {0, 0, 0});
    top.set_up(cBakeSpline({{0, 0, -1}, {0.7f, 0, -0.7f}, {1, 0, 0}}));
    all.push_back(top);
    // 8: a sideways pass along the cage.
    all.push_back(line({{-200, -50, 110}, {-215, -20, 10}, {-198, 15, -102}},
                       {{0, 0, 20}, {0, 0, 0}, {0, 0, -20}}));
    // 9: a short pull out and up.
    cBakeCameraPath out = line({{155, 85, 115}, {168, 102, 128}, {180, 120, 140}},
                               {{0, 0, 0}, {0, 0, 0}, {0, -10, 0}});
    out.set_up(cBakeSpline({{0, 1, 0}, {0.2f, 1, 0}, {0.4f, 1, 0}}));
    all.push_back(out);
    return all;
}
