// Meshes swept from 2D outlines: extrusions of a closed outline in XY along Z
// (centred on z = 0, optionally with a 45-degree bevel) and lathes of an open
// profile (x = radius, y = height, bottom to top) around Y.
#pragma once

#include "cBakeMesh.h"
#include "cBakeOutline.h"

class cBakeSweep {
public:
    // The solid of `outline` pushed to `depth`: side walls, bevels and caps.
    static cBakeMesh extrude(const cBakeOutline& outline, float depth, float bevel = 0.0f);
    // Its walls and bevel bands alone; u runs along the outline, v front-wards.
    static cBakeMesh extrusion_sides(const cBakeOutline& outline, float depth, float bevel = 0.0f);
    // Its front (+Z) and back caps alone, textured over the outline's bounds.
    static cBakeMesh extrusion_caps(const cBakeOutline& outline, float depth, float bevel = 0.0f);
    // The surface of `profile` turned once around Y in `segments` steps; a
    // profile that starts and ends on the axis gives a closed solid.
    static cBakeMesh lathe(const cBakeOutline& profile, int segments);

private:
    static cBakeMesh wall(const cBakeOutline& outline, float z0, float z1, float inset0,
                          float inset1);
    static void add_cap(cBakeMesh& mesh, const cBakeOutline& outline, float z, float inset);
};
