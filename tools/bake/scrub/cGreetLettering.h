// Solid lettering for the greetings: a line of text extruded with bevelled front and back
// edges, every triangle on its own three vertices, and the same triangles broken into shards
// that drift apart, vertex for vertex, so that the two blend as a morph pair.
#pragma once

#include "cBakeMesh.h"
#include "cGlyphContours.h"

#include <cstdint>
#include <string>
#include <vector>

class cGreetLettering {
public:
    struct sStyle {
        float cap_height = 6.5f; // mesh units; the scene draws the mesh at a tenth
        float depth = 2.2f;
        float bevel = 0.35f;
        float tracking = 0.06f; // of the cap height
    };

    // The text centred on the origin, reading along +X, facing +Z.
    static cBakeMesh solid(const std::string& font, const std::string& text, const sStyle& style);
    // The solid's triangles grouped into shards by cell, each shard pushed away from the
    // middle and turned about its own centre.
    static cBakeMesh shattered(const cBakeMesh& solid, uint32_t seed);
    // Triangles over closed contours (holes included, ink on each contour's left), wound
    // counter-clockwise seen from +Z.
    static std::vector<cPoint2> fill(const std::vector<cGlyphContours::tContour>& contours);
};
