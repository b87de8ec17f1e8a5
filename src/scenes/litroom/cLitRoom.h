// The credits room as both credits scenes draw it: five pieces, each with a lamps-off and a
// lamps-on light map, drawn through "lightmap_shader", which mixes the two by the blend, or
// with the lamps fully on through a program that reads the lamps-on map alone.
// The room scene draws the busted pieces, the sun scene the intact ones.
#pragma once

#include "mesh_files/cMeshObj.h"
#include "render/cTextureDesc.h"

#include <array>
#include <memory>

class cLitRoom {
public:
    static constexpr int kPieces = 5;
    // Centre ring, floor (with the walls), lamp, pipe, pillar.
    using tMeshFiles = std::array<const char*, kPieces>;
    using tMapFiles = std::array<const char*, 2 * kPieces>; // piece i: off 2i, on 2i + 1

    // Loads and uploads the pieces (client copies released), loads their maps and registers
    // the program. The maps are never seen from far enough to shrink below a texel a pixel:
    // without mipmaps they filter alike and cost half as much to read.
    void load(const tMeshFiles& meshes, const tMapFiles& maps);
    // Every piece, those in front first, with its off map on unit 0 and its on map on unit 1, mixed
    // by `blend` (0 all off, 1 all on), without blending (every pixel is opaque); leaves both units
    // unbound and the program bound.
    void draw(float blend) const;

private:
    std::array<std::unique_ptr<cMeshObj>, kPieces> pieces_;
    std::array<cTextureDesc, 2 * kPieces> maps_;
};
