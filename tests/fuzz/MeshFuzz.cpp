// The mesh loader on any bytes, both as a whole file (header, inflation,
// parse) and as an inflated block, since almost every mutation of a file
// breaks its zlib stream: a mesh it accepts indexes only its own vertices
// and has a material for every group it draws with one.
#include "FuzzSupport.h"
#include "mesh_files/BzObjLoader.h"

#include <cstdlib>

namespace {

void decode(const std::vector<uint8_t>& block) {
    cMeshObj_data mesh;
    std::string error;
    if (!bobj_decode(mesh, block, &error))
        return;
    const size_t vertices = mesh.positions.size() / 3;
    for (uint32_t index : mesh.indices)
        if (index >= vertices)
            std::abort();
    if ((mesh.flags & cMeshObj_data::kPerGroup) &&
        mesh.materials.size() + 1 < mesh.group_starts.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = as_bytes(data, size);
    run_reader([&] { decode(file); });
    run_reader([&] { decode(bobj_inflate(file, "fuzz.bzobj")); });
    return 0;
}
