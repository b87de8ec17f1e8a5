#include "cCameraPaths.h"

#include "base/cResourcePath.h"

#include <cstdio>

void cCameraPaths::load_numbered(const std::string& stem, int count) {
    for (int i = 1; i <= count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%02d.pth", i);
        load(stem + number);
    }
}

void cCameraPaths::load(const std::string& file) {
    paths_.emplace_back();
    load_path(resource_path().get_fullpath(file), paths_.back());
}

bool cCameraPaths::follow(cCamera& camera, size_t index, float s) const {
    return index < paths_.size() && follow_path(camera, paths_[index], s);
}
