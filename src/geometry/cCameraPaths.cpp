#include "cCameraPaths.h"

#include "base/cResourcePath.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

// Every scene's paths, so that a rewritten file reaches each path read from it. Never
// destroyed: the scenes that unregister from it go at the end of the program, after statics.
std::set<cCameraPaths*>& all_paths() {
    static auto* paths = new std::set<cCameraPaths*>;
    return *paths;
}

// The numbers in a path file's text: nine a complete key.
size_t count_numbers(const std::string& text) {
    size_t count = 0;
    for (const char* at = text.c_str(); *at;) {
        char* end = nullptr;
        std::strtof(at, &end);
        const bool number = end != at && std::isdigit(static_cast<unsigned char>(end[-1]));
        count += number ? 1 : 0;
        at = number ? end : at + 1;
    }
    return count;
}

// The whole file as path keys: false for a file that is missing, holds no key, or holds
// numbers beyond its last complete key (a key cut short, as a half-written file has).
bool read_whole(const std::string& file, cCameraPath& path, std::string* error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        *error = "cannot be opened";
        return false;
    }
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::istringstream keys(text);
    read_path(keys, path);
    if (count_numbers(text) != 9 * path.size()) {
        *error = "key " + std::to_string(path.size() + 1) + " is broken";
        return false;
    }
    if (path.empty())
        *error = "holds no key";
    return !path.empty();
}

} // namespace

cCameraPaths::cCameraPaths() {
    all_paths().insert(this);
}

cCameraPaths::~cCameraPaths() {
    all_paths().erase(this);
}

void cCameraPaths::load_numbered(const std::string& stem, int count) {
    for (int i = 1; i <= count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%02d.pth", i);
        load(stem + number);
    }
}

void cCameraPaths::load(const std::string& file) {
    files_.push_back(resource_path().get_fullpath(file));
    paths_.emplace_back();
    load_path(files_.back(), paths_.back());
}

bool cCameraPaths::follow(cCamera& camera, size_t index, float s) const {
    return index < paths_.size() && follow_path(camera, paths_[index], s);
}

std::set<std::string> cCameraPaths::source_files() {
    std::set<std::string> files;
    for (const cCameraPaths* paths : all_paths())
        for (const std::string& file : paths->files_)
            if (!file.empty())
                files.insert(file);
    return files;
}

int cCameraPaths::reload_file(const std::string& file, std::string* error) {
    cCameraPath fresh;
    if (!read_whole(file, fresh, error))
        return 0;
    int replaced = 0;
    for (cCameraPaths* paths : all_paths())
        for (size_t i = 0; i < paths->files_.size(); ++i)
            if (paths->files_[i] == file) {
                paths->paths_[i] = fresh;
                ++replaced;
            }
    return replaced;
}
