// A scene's camera paths: read by file name from the data search path, and followed by
// number, so every scene that flies along baked paths loads and follows them the same way.
// A path file written again while the demo runs replaces the path read from it.
#pragma once

#include "cCamera.h"

#include <cstddef>
#include <set>
#include <string>
#include <vector>

class cCameraPaths {
public:
    cCameraPaths();
    ~cCameraPaths();
    cCameraPaths(const cCameraPaths&) = delete;
    cCameraPaths& operator=(const cCameraPaths&) = delete;

    // Appends the paths stem + "01.pth", stem + "02.pth" ... up to `count`.
    void load_numbered(const std::string& stem, int count);
    // Appends the one path of that file name; a file that cannot be read gives an empty path.
    void load(const std::string& file);

    size_t size() const { return paths_.size(); }
    const cCameraPath& at(size_t index) const { return paths_.at(index); }
    // Eye, interest point and up from path `index` at parameter s (0..1); false, the
    // camera unchanged, where there is no such path or it could not be read.
    bool follow(cCamera& camera, size_t index, float s) const;

    // The files the paths of every scene were read from, as found on the search path.
    static std::set<std::string> source_files();
    // Every path read from `file` (as source_files names it) read again: the number of paths
    // replaced. A file that is missing, holds no key or a broken record replaces nothing and
    // says why in `error`.
    static int reload_file(const std::string& file, std::string* error);

private:
    std::vector<cCameraPath> paths_;
    std::vector<std::string> files_; // where each path was read from; "" if not found
};
