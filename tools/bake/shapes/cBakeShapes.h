// The basic solids of the scenes' meshes, centred on the origin with Y up:
// unit normals pointing outward, counter-clockwise front faces, texture
// coordinates from 0 to 1 across each surface. Curved surfaces are smooth.
#pragma once

#include "cBakeMesh.h"

class cBakeShapes {
public:
    // A box of the given edge lengths; each face has its own four vertices
    // and the whole texture.
    static cBakeMesh box(const Vec3f& size);
    // A flat grid in the XZ plane facing +Y; u runs along +X, v along -Z.
    static cBakeMesh plane(float width, float depth, int columns = 1, int rows = 1);
    // A cylinder around Y; the side wraps the texture once around, a cap
    // shows the texture's inscribed disc.
    static cBakeMesh cylinder(float radius, float height, int segments, bool caps = true);
    // A ring around Y: `ring_radius` to the tube's centre, `tube_radius` of the tube.
    static cBakeMesh torus(float ring_radius, float tube_radius, int segments, int tube_segments);
    // A globe with `rings` bands of latitude; u runs around, v from south to north.
    static cBakeMesh sphere(float radius, int segments, int rings);

    // A point on the circle of `radius` around Y at step `j` of `segments`;
    // the last step lands exactly on the first, so seams close.
    static Vec3f around_y(float radius, int j, int segments);
    // The point at `radius` from the Y axis and height `y`, turned `degrees` from +X
    // towards +Z: where the round rooms place their parts and cameras.
    static Vec3f polar(float radius, float degrees, float y);

private:
    static void add_cap(cBakeMesh& mesh, float radius, float y, int segments, bool up);
};
