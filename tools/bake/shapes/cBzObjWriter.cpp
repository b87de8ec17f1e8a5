#include "cBzObjWriter.h"

#include <cstring>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <zlib.h>

namespace {

constexpr uint8_t kTexCoords = 0x01, kNormals = 0x02, kPerGroup = 0x10;
constexpr size_t kMaxCount = size_t(std::numeric_limits<int32_t>::max());
constexpr size_t kMaxString = 127; // lengths are stored as signed bytes

// Numbers go out little-endian whatever the host.
void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

void put_float(std::vector<uint8_t>& out, float f) {
    uint32_t bits = 0;
    std::memcpy(&bits, &f, 4);
    put_u32(out, bits);
}

void put_floats(std::vector<uint8_t>& out, const float* values, int count) {
    for (int i = 0; i < count; ++i)
        put_float(out, values[i]);
}

const std::string* material_string(const cMaterial& m, int i) {
    return i == 0 ? &m.name : &m.texture_names[i - 1];
}

} // namespace

std::string cBzObjWriter::check(const cBakeMesh& mesh) {
    const size_t v = mesh.vertex_count();
    if (mesh.triangles.empty())
        return "a mesh needs at least one triangle";
    if (v > kMaxCount || mesh.triangles.size() > kMaxCount || mesh.materials.size() > kMaxCount)
        return "too many vertices, triangles or materials";
    if (mesh.has_normals() && mesh.normals.size() != v)
        return "normals do not match the vertices";
    if (mesh.has_texcoords() && mesh.texcoords.size() != v)
        return "texture coordinates do not match the vertices";
    for (size_t i = 0; i < mesh.triangles.size(); ++i)
        for (uint32_t index : mesh.triangles[i])
            if (index >= v)
                return "index " + std::to_string(index) + " of triangle " + std::to_string(i) +
                       " beyond the " + std::to_string(v) + " vertices";
    const std::string groups = check_groups(mesh);
    return groups.empty() ? check_materials(mesh) : groups;
}

// Groups are stored as marks on their first triangles, so each must start
// after the one before and hold at least one triangle.
std::string cBzObjWriter::check_groups(const cBakeMesh& mesh) {
    const auto& starts = mesh.group_starts;
    if (!starts.empty() && starts[0] != 0)
        return "the first material group does not start at triangle 0";
    for (size_t g = 1; g < starts.size(); ++g)
        if (starts[g] <= starts[g - 1] || starts[g] >= mesh.triangles.size())
            return "material group " + std::to_string(g) + " is empty or out of order";
    const size_t groups = starts.empty() ? 1 : starts.size();
    if (mesh.per_group && mesh.materials.size() < groups)
        return std::to_string(groups) + " material groups but " +
               std::to_string(mesh.materials.size()) + " materials";
    return "";
}

std::string cBzObjWriter::check_materials(const cBakeMesh& mesh) {
    for (const cMaterial& m : mesh.materials)
        for (int i = 0; i < 6; ++i)
            if (material_string(m, i)->size() > kMaxString)
                return "material '" + m.name.substr(0, 40) + "': a name longer than 127 bytes";
    return "";
}

std::vector<uint8_t> cBzObjWriter::block(const cBakeMesh& mesh) {
    const std::string reason = check(mesh);
    if (!reason.empty())
        throw std::invalid_argument("mesh cannot be written: " + reason);
    std::vector<uint8_t> out;
    out.push_back(uint8_t((mesh.has_texcoords() ? kTexCoords : 0) |
                          (mesh.has_normals() ? kNormals : 0) | (mesh.per_group ? kPerGroup : 0)));
    put_u32(out, uint32_t(mesh.vertex_count()));
    put_u32(out, uint32_t(mesh.triangles.size()));
    put_u32(out, uint32_t(mesh.materials.size()));
    put_vertices(out, mesh);
    put_triangles(out, mesh);
    for (const cMaterial& m : mesh.materials)
        put_material(out, m);
    return out;
}

void cBzObjWriter::put_vertices(std::vector<uint8_t>& out, const cBakeMesh& mesh) {
    for (const Vec3f& p : mesh.positions)
        put_floats(out, &p.x, 3);
    for (const Vec3f& n : mesh.normals)
        put_floats(out, &n.x, 3);
    for (const cTexCoord& uv : mesh.texcoords)
        put_floats(out, &uv.u, 2);
}

// Index columns: first corners of all triangles, then second, then third;
// each column holds its first value and then differences (wrapping 32-bit).
void cBzObjWriter::put_triangles(std::vector<uint8_t>& out, const cBakeMesh& mesh) {
    const auto& tris = mesh.triangles;
    for (int k = 0; k < 3; ++k)
        for (size_t i = 0; i < tris.size(); ++i)
            put_u32(out, i == 0 ? tris[0][k] : tris[i][k] - tris[i - 1][k]);
    size_t next = 1;
    for (size_t i = 0; i < tris.size(); ++i) {
        const bool starts = next < mesh.group_starts.size() && mesh.group_starts[next] == i;
        next += starts ? 1 : 0;
        put_u32(out, starts ? 1u : 0u);
    }
}

void cBzObjWriter::put_material(std::vector<uint8_t>& out, const cMaterial& m) {
    for (int i = 0; i < 6; ++i)
        out.push_back(uint8_t(material_string(m, i)->size()));
    for (int i = 0; i < 6; ++i)
        out.insert(out.end(), material_string(m, i)->begin(), material_string(m, i)->end());
    put_floats(out, m.ambient, 4);
    put_floats(out, m.diffuse, 4);
    put_floats(out, m.specular, 4);
    put_float(out, m.shininess);
    put_u32(out, uint32_t(m.illumination));
    put_float(out, m.alpha);
    put_float(out, m.extra);
}

std::vector<uint8_t> cBzObjWriter::file_bytes(const cBakeMesh& mesh) {
    const std::vector<uint8_t> raw = block(mesh);
    if (raw.size() > std::numeric_limits<uint32_t>::max())
        throw std::invalid_argument("mesh block larger than 4 GB");
    uLongf packed_size = compressBound(raw.size());
    std::vector<uint8_t> out(8 + packed_size);
    if (compress2(out.data() + 8, &packed_size, raw.data(), raw.size(), 9) != Z_OK)
        throw std::runtime_error("zlib could not pack the mesh");
    out.resize(8 + packed_size);
    std::vector<uint8_t> sizes;
    put_u32(sizes, uint32_t(raw.size()));
    put_u32(sizes, uint32_t(packed_size));
    std::copy(sizes.begin(), sizes.end(), out.begin());
    return out;
}

void cBzObjWriter::write(const cBakeMesh& mesh, const std::string& path) {
    const std::vector<uint8_t> bytes = file_bytes(mesh);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
}
