// Camera paths exported from a Z-up modelling tool: key after key of eye,
// interest point and up vector, converted to Y-up on reading, sampled by a
// parameter 0..1 with linear steps between evenly spaced keys.
#pragma once

#include "Vec3.h"

#include <istream>
#include <string>
#include <vector>

struct cPathKey {
    Vec3f eye, interest, up;
};

using cCameraPath = std::vector<cPathKey>;

// Appends the file's complete records to `path`; false if it cannot be opened.
bool load_path(const std::string& full_path, cCameraPath& path);
// The same from a stream: records "(x,y,z)(x,y,z)(x,y,z)" with any single
// non-blank character as separator; stops at the first incomplete record.
void read_path(std::istream& in, cCameraPath& path);

// Key k sits at t = k / n; the path holds its last key from (n - 1) / n to 1.
// An empty path gives (0, 0, 0).
Vec3f path_eye(const cCameraPath& path, float t);
Vec3f path_interest(const cCameraPath& path, float t);
Vec3f path_up(const cCameraPath& path, float t);
