// Writes a baked mesh as a ".bzobj" file: raw and packed sizes, then one zlib
// stream of the mesh block with delta-coded index columns, group marks and
// material records. A mesh the demo's loader would reject is never written.
#pragma once

#include "cBakeMesh.h"

#include <cstdint>
#include <string>
#include <vector>

class cBzObjWriter {
public:
    // Why the loader would reject `mesh`; empty when it can be written.
    static std::string check(const cBakeMesh& mesh);
    // The inflated mesh block; throws std::invalid_argument for a rejected mesh.
    static std::vector<uint8_t> block(const cBakeMesh& mesh);
    // The whole file: sizes and the block packed at zlib's best compression.
    static std::vector<uint8_t> file_bytes(const cBakeMesh& mesh);
    // Writes the file at `path`; throws std::runtime_error when that fails.
    static void write(const cBakeMesh& mesh, const std::string& path);

private:
    static std::string check_groups(const cBakeMesh& mesh);
    static std::string check_materials(const cBakeMesh& mesh);
    static void put_vertices(std::vector<uint8_t>& out, const cBakeMesh& mesh);
    static void put_triangles(std::vector<uint8_t>& out, const cBakeMesh& mesh);
    static void put_material(std::vector<uint8_t>& out, const cMaterial& m);
};
