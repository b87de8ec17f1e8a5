#include "mesh_files/BzObjLoader.h"

#include "base/Messages.h"
#include "base/ProgramExit.h"
#include "base/cResourcePath.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <zlib.h>

namespace {

// zlib never packs better than about 1:1032, so a larger raw size is a lie
// that would only make us allocate memory for nothing.
constexpr uint64_t kMaxInflateRatio = 1032;
// The raw size and the packed size, four bytes each.
constexpr size_t kHeaderBytes = 8;

// Reads the inflated block front to back; every read is checked against
// what is left.
class cBlockReader {
public:
    explicit cBlockReader(const std::vector<uint8_t>& block) : block_(block) {}
    bool take(uint64_t bytes, void* out) {
        if (bytes > block_.size() - pos_)
            return false;
        if (bytes)
            std::memcpy(out, block_.data() + pos_, bytes);
        pos_ += bytes;
        return true;
    }
    template <class T> bool read(T* value) { return take(sizeof(T), value); }
    template <class T> bool read_array(std::vector<T>& out, uint64_t count) {
        if (count * sizeof(T) > block_.size() - pos_)
            return false;
        out.resize(count);
        return take(count * sizeof(T), out.data());
    }

private:
    const std::vector<uint8_t>& block_;
    size_t pos_ = 0;
};

bool fail(std::string* error, const std::string& text) {
    *error = text;
    return false;
}

bool read_vertices(cBlockReader& in, cMeshObj_data& d, int32_t v, std::string* error) {
    if (!in.read_array(d.positions, 3ull * v))
        return fail(error, "positions beyond the end of the data");
    if ((d.flags & cMeshObj_data::kNormals) && !in.read_array(d.normals, 3ull * v))
        return fail(error, "normals beyond the end of the data");
    if ((d.flags & cMeshObj_data::kTexCoords) && !in.read_array(d.texcoords, 2ull * v))
        return fail(error, "texture coordinates beyond the end of the data");
    return true;
}

// Each index column stores its first value, then differences to the
// previous triangle's value (wrapping 32-bit sums).
bool read_triangles(cBlockReader& in, cMeshObj_data& d, int32_t v, int32_t t, std::string* error) {
    std::vector<uint32_t> columns, marks;
    if (!in.read_array(columns, 3ull * t) || !in.read_array(marks, static_cast<uint64_t>(t)))
        return fail(error, "triangles beyond the end of the data");
    d.indices.resize(3ull * t);
    uint32_t corner[3] = {0, 0, 0};
    for (size_t i = 0; i < static_cast<size_t>(t); ++i) {
        for (size_t k = 0; k < 3; ++k) {
            corner[k] = i == 0 ? columns[k * t] : corner[k] + columns[k * t + i];
            if (corner[k] >= static_cast<uint32_t>(v))
                return fail(error, "index " + std::to_string(corner[k]) + " of triangle " +
                                       std::to_string(i) + " beyond the vertex count");
            d.indices[3 * i + k] = corner[k];
        }
    }
    d.group_starts.push_back(0);
    for (int32_t i = 1; i < t; ++i)
        if (marks[static_cast<size_t>(i)] != 0)
            d.group_starts.push_back(3 * i);
    d.group_starts.push_back(3 * t);
    return true;
}

bool read_string(cBlockReader& in, int8_t length, std::string* out) {
    std::vector<char> text;
    if (!in.read_array(text, static_cast<uint64_t>(length)))
        return false;
    *out = std::string(text.begin(), text.end()).c_str(); // cut at a zero byte
    return true;
}

bool read_material(cBlockReader& in, cMeshObj_data& d, std::string* error) {
    int8_t lengths[6];
    if (!in.take(6, lengths))
        return fail(error, "material record beyond the end of the data");
    for (int8_t l : lengths)
        if (l < 0)
            return fail(error, "material string length above 127");
    std::string name;
    if (!read_string(in, lengths[0], &name))
        return fail(error, "material name beyond the end of the data");
    d.materials.emplace_back(name);
    cMaterial_GL& m = d.materials.back();
    for (int i = 0; i < cMaterial::kTexNames; ++i)
        if (!read_string(in, lengths[i + 1], &m.texture_names[i]))
            return fail(error, "texture name beyond the end of the data");
    const bool ok = in.take(16, m.ambient) && in.take(16, m.diffuse) && in.take(16, m.specular) &&
                    in.read(&m.shininess) && in.read(&m.illumination) && in.read(&m.alpha) &&
                    in.read(&m.extra);
    return ok || fail(error, "material values beyond the end of the data");
}

[[noreturn]] void reject(const std::string& path, const std::string& reason) {
    msg_err() << "# ERROR broken mesh file " << path << " (" << reason
              << ") in bobj_load_compressed" << std::endl;
    program_exit(-1);
}

uint32_t little_endian(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The header's two sizes against the bytes the file holds after it, before
// any buffer is allocated for them.
bool check_sizes(const std::vector<uint8_t>& file, std::string* error) {
    if (file.size() < kHeaderBytes)
        return fail(error, "bad sizes");
    const uint32_t raw_size = little_endian(file.data()), packed_size = little_endian(&file[4]);
    if (raw_size > uint64_t(packed_size) * kMaxInflateRatio + 64)
        return fail(error, "bad sizes");
    if (packed_size > file.size() - kHeaderBytes)
        return fail(error, "compressed data cut short");
    return true;
}

// Inflates a file whose sizes passed check_sizes.
bool inflate(const std::vector<uint8_t>& file, std::vector<uint8_t>* block, std::string* error) {
    block->resize(little_endian(file.data()));
    uLongf length = block->size();
    const int result =
        uncompress(block->data(), &length, file.data() + kHeaderBytes, little_endian(&file[4]));
    if (result != Z_OK)
        return fail(error, "zlib caused an error: " + std::to_string(result));
    block->resize(length);
    return true;
}

bool read_bytes(const std::string& path, std::vector<uint8_t>* bytes) {
    std::ifstream file(path, std::ios::binary);
    if (path.empty() || !file)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(file), {});
    return true;
}

} // namespace

bool bobj_decode(cMeshObj_data& d, const std::vector<uint8_t>& block, std::string* error) {
    d.clear_all();
    cBlockReader in(block);
    int32_t v = 0, t = 0, m = 0;
    if (!in.read(&d.flags) || !in.read(&v) || !in.read(&t) || !in.read(&m))
        return fail(error, "header beyond the end of the data");
    if (v < 0 || t < 1 || m < 0)
        return fail(error, "bad counts: " + std::to_string(v) + " vertices, " + std::to_string(t) +
                               " triangles, " + std::to_string(m) + " materials");
    if (!read_vertices(in, d, v, error) || !read_triangles(in, d, v, t, error))
        return false;
    const size_t groups = d.group_starts.size() - 1;
    if ((d.flags & cMeshObj_data::kPerGroup) && static_cast<size_t>(m) < groups)
        return fail(error, std::to_string(groups) + " material groups but only " +
                               std::to_string(m) + " materials");
    for (int32_t i = 0; i < m; ++i)
        if (!read_material(in, d, error))
            return false;
    return true;
}

bool bobj_parse(cMeshObj* mesh, const std::vector<uint8_t>& block, std::string* error) {
    if (!bobj_decode(*mesh, block, error))
        return false;
    for (cMaterial_GL& material : mesh->materials)
        material.load_textures();
    return true;
}

std::vector<uint8_t> bobj_inflate_file(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!read_bytes(path, &bytes)) {
        msg_err() << "# ERROR opening file " << path << " in bobj_load_compressed" << std::endl;
        program_exit(-1);
    }
    return bobj_inflate(bytes, path);
}

std::vector<uint8_t> bobj_inflate(const std::vector<uint8_t>& file, const std::string& path) {
    std::string error;
    if (!check_sizes(file, &error))
        reject(path, error);
    std::vector<uint8_t> block;
    if (!inflate(file, &block, &error)) {
        msg_err() << "# warning: " << error << std::endl;
        program_exit(1);
    }
    return block;
}

bool bobj_read(const std::string& path, cMeshObj_data& data, std::string* error) {
    std::vector<uint8_t> bytes, block;
    if (!read_bytes(path, &bytes))
        return fail(error, "cannot be opened");
    return check_sizes(bytes, error) && inflate(bytes, &block, error) &&
           bobj_decode(data, block, error);
}

void bobj_load_compressed(cMeshObj* mesh, const std::string& path) {
    const std::vector<uint8_t> block = bobj_inflate_file(path);
    std::string error;
    if (!bobj_parse(mesh, block, &error))
        reject(path, error);
}

cMeshObj* BzObjLoader::create(const std::string& file_name) {
    auto* mesh = new cMeshObj();
    const std::string path = resource_path().get_fullpath(file_name);
    if (path.empty())
        msg_err() << "# ERROR - couldn't find " << file_name << " from BzObjLoader::create"
                  << std::endl;
    bobj_load_compressed(mesh, path);
    mesh->track_file(path);
    return mesh;
}

std::unique_ptr<cMeshObj> BzObjLoader::load_uploaded(const std::string& file_name, bool materials,
                                                     bool release) {
    std::unique_ptr<cMeshObj> mesh(create(file_name));
    if (!materials)
        mesh->drop_materials();
    mesh->upload(release);
    return mesh;
}
