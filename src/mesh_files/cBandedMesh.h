// A static mesh whose triangles are ordered by where they lie along the texture's v axis,
// so a draw can leave out every triangle wholly outside a band of v: a sheet whose program
// draws nothing outside that band then costs only the part that shows.
#pragma once

#include "mesh_files/cMeshObj.h"

#include <memory>
#include <utility>
#include <vector>

class cBandedMesh {
public:
    // Reorders the loaded, not yet uploaded mesh's triangles and uploads it, its client
    // arrays freed; it no longer follows its file. A mesh drawn group by group is drawn whole.
    explicit cBandedMesh(std::unique_ptr<cMeshObj> mesh);

    // The triangles that may reach v in [low, high]; nothing when none can.
    void draw(float low, float high);
    // The first triangle and the count draw(low, high) gives to the GL.
    std::pair<int32_t, int32_t> triangles(float low, float high) const;

private:
    std::unique_ptr<cMeshObj> mesh_;
    std::vector<float> low_;        // each triangle's least v, ascending
    std::vector<float> high_after_; // the least greatest v of this triangle and all after it
};
