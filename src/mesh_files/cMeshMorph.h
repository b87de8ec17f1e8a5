// A mesh that blends between two shapes of the same topology: the base mesh
// is drawn while the target's positions and normals reach "morph_shader" in
// texture-coordinate sets 3 and 4, mixed by a weight from 0 (base) to 1.
#pragma once

#include "mesh_files/cMeshObj.h"

#include <string>

class cMeshMorph : public iMesh {
public:
    cMeshMorph() = default;
    cMeshMorph(const cMeshMorph&) = delete;
    cMeshMorph& operator=(const cMeshMorph&) = delete;
    ~cMeshMorph() override;

    // Loads both meshes (replacing any held) and registers the morph shader.
    void load(const std::string& base_file, const std::string& target_file);
    void set_weight(float weight);
    void upload(bool release_client_arrays) override;
    void draw() override;

    cMeshObj* base() { return base_; }
    cMeshObj* target() { return target_; }

private:
    void feed_target(GLenum unit, cMeshObj::eBuffer buffer);

    uint8_t flags_ = 0;
    cMeshObj* base_ = nullptr;
    cMeshObj* target_ = nullptr;
};
