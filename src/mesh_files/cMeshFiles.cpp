#include "mesh_files/cMeshFiles.h"

#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "platform/PathFunctions.h"

#include <algorithm>
#include <iterator>

namespace {

bool readable(const std::string& name) {
    const std::string path = resource_path().get_fullpath(name);
    return !path.empty() && path_file_readable(path);
}

// The texture manager ends the program on a texture it cannot find, so a file naming one
// where cMaterial_GL::load_textures looks is refused, as it would be at start-up.
bool textures_found(const cMeshObj_data& data, std::string* error) {
    for (const cMaterial& m : data.materials) {
        const std::string* names = m.texture_names;
        const int diffuse =
            names[cMaterial::kDiffuseTex].empty() ? cMaterial::kTiledTex : cMaterial::kDiffuseTex;
        for (int i : {int(cMaterial::kAmbientTex), diffuse, int(cMaterial::kSpecularTex)})
            if (!names[i].empty() && !readable(names[i])) {
                *error = "texture " + names[i] + " not found";
                return false;
            }
    }
    return true;
}

} // namespace

void cMeshFiles::add(const std::string& path, cMeshObj* mesh) {
    meshes_.emplace(path, mesh);
}

void cMeshFiles::remove(const std::string& path, cMeshObj* mesh) {
    const auto [begin, end] = meshes_.equal_range(path);
    const auto found =
        std::find_if(begin, end, [&](const auto& entry) { return entry.second == mesh; });
    if (found != end)
        meshes_.erase(found);
}

std::vector<std::string> cMeshFiles::source_files() const {
    std::vector<std::string> files;
    for (auto at = meshes_.begin(); at != meshes_.end(); at = meshes_.upper_bound(at->first))
        files.push_back(at->first);
    return files;
}

bool cMeshFiles::reload(const std::string& path, std::string* error, size_t* count) {
    const auto [begin, end] = meshes_.equal_range(file_identity(path));
    if (count)
        *count = 0;
    if (begin == end)
        return true;
    cMeshObj_data data;
    if (!bobj_read(begin->first, data, error) || !textures_found(data, error))
        return false;
    for (auto at = begin; at != end; ++at)
        at->second->take_reloaded(data);
    if (count)
        *count = static_cast<size_t>(std::distance(begin, end));
    return true;
}
