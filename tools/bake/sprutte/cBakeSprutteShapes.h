// Shape builders for the sprutte models: smooth parametric surfaces with normals taken from
// the surface itself, and round bars swept along planar curves. Every surface comes out with
// its front (normal and counter-clockwise winding) on the side the caller asks for.
#pragma once

#include "cBakeMesh.h"

#include <functional>

class cBakeSprutteShapes {
public:
    using cSurface = std::function<Vec3f(float u, float v)>;
    using cCurve = std::function<Vec3f(float s)>;

    // The surface f over u, v in 0..1 on a columns x rows grid; normals are du x dv, or the
    // reverse (winding too) with `inside`.
    static cBakeMesh surface(int columns, int rows, const cSurface& f, bool inside = false);
    // A round bar of `radius` along curve c(0..1), which lies in the plane with normal
    // `plane`; `around` facets around it.
    static cBakeMesh bar(const cCurve& c, const Vec3f& plane, float radius, int steps, int around);
    // Turns every triangle over and every normal round.
    static void turn_inside_out(cBakeMesh& mesh);
};
