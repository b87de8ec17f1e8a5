// Building blocks of the credits room's pieces: ring sectors turned from a closed
// profile, boxes placed and turned in one call, broken ends, and the clean-up every
// piece gets (front faces agree with the normals, faces nobody sees are dropped).
#pragma once

#include "cBakeMesh.h"
#include "cBakeOutline.h"

class cRoomParts {
public:
    // The closed counter-clockwise `profile` (x = radius, y = height) turned about Y
    // from `a0` to `a1` degrees; a sector short of the full turn gets flat end caps.
    static cBakeMesh sector(const cBakeOutline& profile, float a0, float a1, int segments);
    // A box of `size` turned by `yaw` degrees about Y (then `tilt` about X) and moved to `at`.
    static cBakeMesh block(const Vec3f& size, const Vec3f& at, float yaw = 0, float tilt = 0);
    // A column of `radius` from y0 to y1 whose end at y1 is broken off: the end cap's rim is
    // torn up and down by up to `rough`, seeded by `seed`.
    static cBakeMesh broken_column(float radius, float y0, float y1, float rough, int seed);
    // Turns every triangle whose winding disagrees with its vertex normals.
    static void fix_winding(cBakeMesh& mesh);
    // Drops triangles whose face normal points along `dir` (cosine above `cosine`).
    static void drop_faces(cBakeMesh& mesh, const Vec3f& dir, float cosine);
};
