// A static mesh whose triangles are ordered by where they lie along the texture's v axis,
// so a draw can leave out every triangle wholly outside a band of v (a sheet whose program
// draws nothing outside it then costs only the part that shows), and those a caller knows hidden.
#pragma once

#include "mesh_files/cMeshObj.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class cBandedMesh {
public:
    // Reorders the loaded, not yet uploaded mesh's triangles and uploads it, its client
    // arrays freed but for the positions; it no longer follows its file. A mesh drawn group
    // by group is drawn whole.
    explicit cBandedMesh(std::unique_ptr<cMeshObj> mesh);

    // The triangles that may reach v in [low, high]; nothing when none can.
    void draw(float low, float high);
    // The same less the triangles whose three corners are `hidden` (a flag per vertex).
    void draw(float low, float high, const std::vector<uint8_t>& hidden);
    // The first triangle and the count draw(low, high) gives to the GL.
    std::pair<int32_t, int32_t> triangles(float low, float high) const;
    // x, y, z of each vertex.
    const std::vector<float>& positions() const { return positions_; }

private:
    std::unique_ptr<cMeshObj> mesh_;
    std::vector<float> low_;        // each triangle's least v, ascending
    std::vector<float> high_after_; // the least greatest v of this triangle and all after it
    std::vector<float> positions_;
    std::vector<uint32_t> kept_; // the triangles one draw gives, kept for its room
};
