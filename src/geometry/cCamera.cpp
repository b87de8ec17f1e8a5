#include "cCamera.h"

#include "base/cDisplaySettings.h"

#include <GL/glu.h>

void reset_camera(cCamera& c) {
    const cDisplaySettings& s = display_settings();
    c.eye = {1, 1, 1};
    c.interest = {0, 0, 0};
    c.up = {0, 0, 1};
    c.fov = 65;
    c.near_plane = 0.1f;
    c.far_plane = 500;
    c.aspect = static_cast<float>(s.view_width) / static_cast<float>(s.view_height);
}

void apply_camera(const cCamera& c) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (c.ortho_half_height > 0) {
        const float h = c.ortho_half_height, w = h * c.aspect;
        glOrtho(-w, w, -h, h, c.near_plane, c.far_plane);
    } else {
        gluPerspective(c.fov, c.aspect, c.near_plane, c.far_plane);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(c.eye.x, c.eye.y, c.eye.z, c.interest.x, c.interest.y, c.interest.z, c.up.x, c.up.y,
              c.up.z);
}

bool follow_path(cCamera& camera, const cCameraPath& path, float s) {
    if (path.empty())
        return false;
    camera.eye = path_eye(path, s);
    camera.interest = path_interest(path, s);
    camera.up = path_up(path, s);
    return true;
}
