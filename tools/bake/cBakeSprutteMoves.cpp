#include "cBakeSprutteMoves.h"

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

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

std::vector<cBakeCameraPath> cBakeSprutteMoves::paths() {
    std::vector<cBakeCameraPath> all;
    // 1: a slow orbit at arm height.
    all.push_back(orbit(250, 70, 20, 75, {0, 5, 0}));
    // 2: a sweep across the front, the creature passing through the frame's middle.
    all.push_back(line({{-300, 120, 190}, {0, 90, 230}, {280, 60, 180}},
                       {{-40, 10, 0}, {0, 0, 0}, {40, -10, 0}}));
    // 3: a dive from high above down to the equator.
    all.push_back(line({{150, 400, 200}, {190, 220, 190}, {200, 40, 150}},
                       {{0, 30, 0}, {0, 0, 0}, {0, -30, 0}}));
    // 4: a low orbit looking up at the underside.
    all.push_back(orbit(220, -140, 200, 262, {0, 25, 0}));
    // 5: a push in along the tube's axis.
    all.push_back(
        line({{0, 20, 430}, {10, 30, 320}, {30, 40, 215}}, {{0, 0, 0}, {0, 0, 0}, {0, 5, 0}}));
    // 6: along an arm, from the root towards its tip.
    all.push_back(line({{80, 210, 110}, {170, 200, 100}, {270, 170, 90}},
                       {{30, 0, 0}, {90, 0, 0}, {160, 0, 0}}));
    // 7: overhead, turning about the creature.
    cBakeCameraPath top = orbit(110, 260, 90, 180, {0, 0, 0});
    top.set_up(cBakeSpline({{0, 0, -1}, {0.7f, 0, -0.7f}, {1, 0, 0}}));
    all.push_back(top);
    // 8: a sideways pass along the cage.
    all.push_back(line({{-260, -60, 170}, {-250, -20, 20}, {-220, 20, -140}},
                       {{0, 0, 40}, {0, 0, 0}, {0, 0, -40}}));
    // 9: a pull out and up, the creature shrinking into the tube.
    cBakeCameraPath out = line({{170, 90, 140}, {230, 140, 250}, {320, 200, 380}},
                               {{0, 0, 0}, {0, 0, 0}, {0, -20, 0}});
    out.set_up(cBakeSpline({{0, 1, 0}, {0.2f, 1, 0}, {0.4f, 1, 0}}));
    all.push_back(out);
    return all;
}
