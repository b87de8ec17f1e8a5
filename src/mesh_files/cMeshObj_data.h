// The client-side arrays of a static mesh: positions, normals and texture
// coordinates per vertex, three indices per triangle, the offsets where
// material groups start (ending with the index count), one material per group.
#pragma once

#include "mesh_files/cMaterial_GL.h"

#include <cstdint>
#include <vector>

struct cMeshObj_data {
    enum eFlags : uint8_t { kTexCoords = 0x01, kNormals = 0x02, kPerGroup = 0x10 };

    uint8_t flags = 0;
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> texcoords;
    std::vector<uint32_t> indices;
    std::vector<int32_t> group_starts;
    std::vector<cMaterial_GL> materials;

    void clear_all() {
        flags = 0;
        positions.clear();
        normals.clear();
        texcoords.clear();
        indices.clear();
        group_starts.clear();
        materials.clear();
    }
};
