#include "cSprutteFlight.h"

#include "base/Smoothstep.h"

#include <algorithm>

namespace {

Vec3f mix(const Vec3f& a, const Vec3f& b, float k) {
    return a * (1 - k) + b * k;
}

} // namespace

void cSprutteFlight::load() {
    paths_.load_numbered("path", cSprutteKicks::kPathCount);
}

void cSprutteFlight::init(cCamera& camera) {
    reset_camera(camera);
    camera.near_plane = 10;
    camera.far_plane = 100000;
    camera.eye = {150, 125, 125};
}

// The fog wall of the intro stands 2000 units ahead at the first update and recedes 2000
// units a second.
void cSprutteFlight::update(float since_s, int32_t now_ms, cSprutteKicks& kicks, cCamera& camera) {
    if (kicks.intro) {
        fog_near = 0;
        fog_far = std::max(0.0f, (since_s + 1) * 2000);
        fly_intro(since_s, camera);
    } else {
        fog_near = 250;
        fog_far = 60000;
        paths_.follow(camera, size_t(kicks.path), kicks.path_parameter(now_ms));
        camera.fov = 70;
    }
}

// Twenty seconds from looking down the tube to facing the creature.
void cSprutteFlight::fly_intro(float since_s, cCamera& camera) {
    const float k = smoothstep(since_s / 20);
    camera.fov = 60 + 30 * k;
    camera.eye = mix({164.36f, 113.64f, -300}, {164.36f, 130.69f, 100}, k);
    camera.interest = mix({0, 0, -1000}, {-21.93f, -35.39f, 0.91f}, k);
}
