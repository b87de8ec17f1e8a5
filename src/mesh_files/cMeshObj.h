// A static mesh: its arrays uploaded once into four buffer objects
// (positions, normals, texture coordinates, indices) and drawn in one call,
// or group by group with material g for group g when the file asks for it.
#pragma once

#include "mesh_files/cMeshObj_data.h"
#include "mesh_files/cVBO.h"
#include "mesh_files/iMesh.h"

class cMeshObj : public iMesh, public cMeshObj_data {
public:
    enum eBuffer { kPositionBuffer, kNormalBuffer, kTexCoordBuffer, kIndexBuffer };

    cMeshObj();
    void draw() override;
    // `count` indices from `first` on, with whatever material the caller set.
    void draw_range(int32_t first, int32_t count);
    // The triangles of `triangles` (indices into the uploaded vertices), with whatever
    // material the caller set.
    void draw_triangles(const std::vector<uint32_t>& triangles);
    void upload(bool release_client_arrays) override;
    // The mesh then draws in one call with whatever material the caller set.
    void drop_materials();
    // The buffer of one kind; any other kind ends the program.
    cVBO& get_vbo(int kind);

    int32_t index_count() const { return static_cast<int32_t>(indices.size()); }

private:
    void set_arrays();
    void draw_groups();
    void unset_arrays();

    cVBO position_vbo_{3};
    cVBO normal_vbo_{3};
    cVBO texcoord_vbo_{2};
    cVBO index_vbo_{1};
};
