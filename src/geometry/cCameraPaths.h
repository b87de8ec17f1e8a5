// A scene's camera paths: read by file name from the data search path, and followed by
// number, so every scene that flies along baked paths loads and follows them the same way.
// A path that could not be read is empty, and following it leaves the camera where it was.
#pragma once

#include "cCamera.h"

#include <cstddef>
#include <string>
#include <vector>

class cCameraPaths {
public:
    // Appends the paths stem + "01.pth", stem + "02.pth" ... up to `count`.
    void load_numbered(const std::string& stem, int count);
    // Appends the one path of that file name.
    void load(const std::string& file);

    size_t size() const { return paths_.size(); }
    const cCameraPath& at(size_t index) const { return paths_.at(index); }
    // Eye, interest point and up from path `index` at parameter s (0..1); false, the
    // camera unchanged, where there is no such path or it could not be read.
    bool follow(cCamera& camera, size_t index, float s) const;

private:
    std::vector<cCameraPath> paths_;
};
