// A plain texture as the rest of the system passes it around: GL target,
// texture name, width and height in pixels. Every field is -1 when the
// descriptor holds no texture, so a failed request is recognisable.
#pragma once

#include <cstdint>

struct cTextureDesc {
    int32_t target = -1;
    int32_t id = -1;
    int32_t width = -1;
    int32_t height = -1;

    bool valid() const { return id != -1; }
};
