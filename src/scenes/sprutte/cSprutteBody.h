// The sprutte's six arms as one mesh whose vertices follow the arm's chain every frame: each
// of the 32 segments of each arm is the ring of six joint pieces, placed, turned and tapered as
// the chain says, so the whole body goes to the GPU in one draw instead of 1152.
#pragma once

#include "cFacingTriangles.h"
#include "cSprutteArm.h"
#include "mesh_files/cMeshObj_data.h"

#include <array>
#include <vector>

class cSprutteBody {
public:
    static constexpr int kArms = 6;

    // `joint` is the client copy of one joint piece (positions, normals, triangles).
    explicit cSprutteBody(const cMeshObj_data& joint);

    // The six arms of `arm`: as is, turned 90 degrees about z, both mirrored through the
    // centre, and turned +90 and -90 degrees about x, so they point along +-x, +-y, +-z.
    void build(const cSprutteArm& arm);
    // Draws the built arms with the current shader and matrices: under a perspective view
    // with back faces culled, only the triangles that face the eye, which the renderer would
    // otherwise transform and set up only to drop.
    void draw();

    size_t vertex_count() const { return positions_.size() / 3; }

private:
    void index_arms();
    void place_segment(const cMatrix4& place, float taper, float*& position, float*& normal) const;

    std::vector<Vec3f> ring_positions_, ring_normals_; // six pieces closed into one ring
    std::vector<uint32_t> ring_indices_;
    std::array<cMatrix4, kArms> arms_;
    std::vector<float> positions_, normals_;
    std::vector<uint32_t> indices_;
    cFacingTriangles facing_;
};
