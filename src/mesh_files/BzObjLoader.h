// Reads ".bzobj" mesh files: a raw and a packed size, then one zlib stream
// holding the vertex arrays, delta-coded index columns, group marks and
// material records. Every count is checked against the data before use.
#pragma once

#include "mesh_files/cMeshObj.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class BzObjLoader {
public:
    // A new mesh (the caller owns it) from a file found on the search paths; it follows
    // that file (see cMeshFiles).
    static cMeshObj* create(const std::string& file_name);
    // A mesh from a file, uploaded into vertex buffers (its client arrays freed when
    // `release`); without `materials` its material records are dropped first.
    static std::unique_ptr<cMeshObj> load_uploaded(const std::string& file_name, bool materials,
                                                   bool release = true);
};

// Reads, inflates and parses the file at `path` into `mesh`; a file that
// cannot be opened, inflated or parsed ends the program.
void bobj_load_compressed(cMeshObj* mesh, const std::string& path);
// The inflated block of the file at `path`; a file that cannot be opened or
// inflated ends the program. The header's sizes are checked against the
// file's length before anything is allocated for them.
std::vector<uint8_t> bobj_inflate_file(const std::string& path);
// The same for a whole file already in memory; `path` names it in messages.
std::vector<uint8_t> bobj_inflate(const std::vector<uint8_t>& file, const std::string& path);
// Fills `mesh` from an inflated block and loads its materials' textures;
// false (with the reason in `error`) for a broken block.
bool bobj_parse(cMeshObj* mesh, const std::vector<uint8_t>& block, std::string* error);
// Reads, inflates and decodes the file at `path` into `data` without ending the
// program: false (with the reason in `error`) for a file that cannot be opened,
// inflated or decoded. The fatal readers above take the same checks.
bool bobj_read(const std::string& path, cMeshObj_data& data, std::string* error);
// The parse without GL: fills `data` from the block, replacing all it held.
bool bobj_decode(cMeshObj_data& data, const std::vector<uint8_t>& block, std::string* error);
