// A static mesh: its arrays uploaded once into four buffer objects
// (positions, normals, texture coordinates, indices) and drawn in one call,
// or group by group with material g for group g when the file asks for it.
#pragma once

#include "mesh_files/cMeshObj_data.h"
#include "mesh_files/cVBO.h"
#include "mesh_files/iMesh.h"

#include <string>

class cMeshObj : public iMesh, public cMeshObj_data {
public:
    enum eBuffer { kPositionBuffer, kNormalBuffer, kTexCoordBuffer, kIndexBuffer };

    cMeshObj();
    ~cMeshObj() override;
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

    // Follows the file it was read from: listed by cMeshFiles under the file's full path
    // until it is destroyed, so that reloading the file reaches it.
    void track_file(const std::string& path);
    // Stops following its file: for a mesh changed in code after reading, which a reload
    // would undo.
    void untrack_file();
    // The full path of the file it follows; "" for none.
    const std::string& source_file() const { return source_file_; }
    // What its file holds now: arrays, groups and materials are replaced, then what was done
    // to the mesh since reading is done again (materials dropped or their textures loaded,
    // uploaded the same way).
    void take_reloaded(cMeshObj_data data);

private:
    enum eUploaded { kNotUploaded, kUploadedKept, kUploadedReleased };

    void set_arrays();
    void draw_groups();
    void unset_arrays();

    cVBO position_vbo_{3};
    cVBO normal_vbo_{3};
    cVBO texcoord_vbo_{2};
    cVBO index_vbo_{1};
    std::string source_file_;
    bool materials_dropped_ = false;
    eUploaded uploaded_ = kNotUploaded;
};
