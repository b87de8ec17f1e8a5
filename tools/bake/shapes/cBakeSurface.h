// Builds a mesh from a grid of surface points, the common ground of planes,
// spheres, tori, cylinders, lathes and extrusions. Quads are wound so that the
// column direction crossed with the row direction is the front side.
#pragma once

#include "cBakeMesh.h"

#include <functional>

struct cSurfacePoint {
    Vec3f position;
    Vec3f normal;
    cTexCoord uv;
};

class cBakeSurface {
public:
    using cPointAt = std::function<cSurfacePoint(int column, int row)>;

    // (columns + 1) x (rows + 1) vertices from `at`; triangles that collapse
    // (at a pole, on the axis, across a crease) are left out.
    static cBakeMesh grid(int columns, int rows, const cPointAt& at);
    // Adds triangle a-b-c to `mesh` unless two of its corners coincide.
    static void add_solid_triangle(cBakeMesh& mesh, uint32_t a, uint32_t b, uint32_t c);
};
