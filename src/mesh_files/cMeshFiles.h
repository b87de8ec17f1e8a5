// The live meshes read from files, listed by the full path of their file, so that a
// changed file can be read again into every mesh made from it while the demo runs.
// A file that cannot be read changes nothing and never ends the program.
#pragma once

#include "base/Singleton.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

class cMeshObj;

class cMeshFiles {
public:
    // Called by the mesh itself (cMeshObj::track_file and its destructor) with its file's
    // full path.
    void add(const std::string& path, cMeshObj* mesh);
    void remove(const std::string& path, cMeshObj* mesh);
    // The full paths of the files the listed meshes were read from, each once.
    std::vector<std::string> source_files() const;
    // Reads the file at `path` again into every mesh made from it; `count` (when given) says
    // how many took the new data, 0 when none follows the file. False, with the reason in
    // `error`, for a file that cannot be opened or decoded or names a texture not found: then
    // every mesh keeps what it had.
    bool reload(const std::string& path, std::string* error, size_t* count = nullptr);

private:
    std::multimap<std::string, cMeshObj*> meshes_; // by the full path of their file
};

inline cMeshFiles& mesh_files() {
    return cSingleton<cMeshFiles>::get();
}
