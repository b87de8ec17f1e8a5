// Writes camera paths as ".pth" text: one key per line, "(x,y,z)" for eye,
// interest point and up vector, in the file's Z-up axes. Numbers carry enough
// digits that reading the file back gives the very same floats.
#pragma once

#include "geometry/Vec3.h"

#include <string>
#include <vector>

struct cBakePathKey {
    Vec3f eye;
    Vec3f interest;
    Vec3f up{0, 1, 0};
};

// A path's keys and the name of the file they are written to, e.g. "cam01.pth".
struct cBakePathFile {
    std::string file;
    std::vector<cBakePathKey> keys;
};

class cBakePathWriter {
public:
    // The file's text for keys in the system's Y-up axes; throws
    // std::invalid_argument for no keys or a value that is not finite.
    static std::string text(const std::vector<cBakePathKey>& keys);
    // Writes the text at `path`; throws std::runtime_error when that fails.
    static void write(const std::vector<cBakePathKey>& keys, const std::string& path);
};
