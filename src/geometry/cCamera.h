// The one perspective camera every scene looks through: eye, interest point,
// up vector, vertical field of view in degrees, near and far planes, and the
// aspect ratio of the picture (view width / view height, whatever the window).
#pragma once

#include "Vec3.h"
#include "cCameraPath.h"

class cGuiVarList;

struct cCamera {
    Vec3f eye;
    Vec3f interest;
    Vec3f up;
    float fov = 0;
    float near_plane = 0;
    float far_plane = 0;
    float aspect = 0;
    // Above 0 the camera looks orthographically instead, this many units up and down from
    // its axis (and aspect times as many across); the field of view is then not used.
    float ortho_half_height = 0;
};

// Eye (1, 1, 1) looking at the origin, Z up, 65 degrees, 0.1 to 500.
void reset_camera(cCamera& camera);
// Loads the projection (perspective, or orthographic where asked) and model-view matrices;
// leaves model-view selected.
void apply_camera(const cCamera& camera);
// Eye, interest point and up from the path at parameter s. A path that could not be read
// keeps the camera where it was rather than putting both points at the origin; false then.
bool follow_path(cCamera& camera, const cCameraPath& path, float s);
