#include "cFacingTriangles.h"

#include <GL/gl.h>

namespace {

float determinant(const Vec3f& a, const Vec3f& b, const Vec3f& c) {
    return a.dot(b.cross(c));
}

// Where the eye sits in the space the modelview matrix takes to eye space, and whether that
// matrix mirrors; false where the view has no eye point (orthographic) or back faces are not
// what the renderer culls.
bool eye_in_model_space(Vec3f& eye, bool& mirrored) {
    GLint cull = 0, front = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cull);
    glGetIntegerv(GL_FRONT_FACE, &front);
    GLfloat p[16], m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    if (!glIsEnabled(GL_CULL_FACE) || cull != GL_BACK || front != GL_CCW || p[11] == 0)
        return false;
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    // The eye is where the matrix puts the origin: solve A e = -t by Cramer's rule.
    const Vec3f a(m[0], m[1], m[2]), b(m[4], m[5], m[6]), c(m[8], m[9], m[10]);
    const Vec3f t(-m[12], -m[13], -m[14]);
    const float d = determinant(a, b, c);
    if (d == 0)
        return false;
    eye = Vec3f(determinant(t, b, c), determinant(a, t, c), determinant(a, b, t)) * (1 / d);
    mirrored = d < 0;
    return true;
}

} // namespace

void cFacingTriangles::facing(const std::vector<uint32_t>& indices,
                              const std::vector<float>& positions, const Vec3f& eye, bool mirrored,
                              std::vector<uint32_t>& out) {
    const auto corner = [&](uint32_t i) {
        return Vec3f(positions[3 * i], positions[3 * i + 1], positions[3 * i + 2]);
    };
    for (size_t i = 0; i + 2 < indices.size(); i += 3) {
        const Vec3f a = corner(indices[i]), b = corner(indices[i + 1]), c = corner(indices[i + 2]);
        const float side = (b - a).cross(c - a).dot(eye - a);
        if (mirrored ? side < 0 : side > 0)
            out.insert(out.end(), {indices[i], indices[i + 1], indices[i + 2]});
    }
}

bool cFacingTriangles::pick(const std::vector<uint32_t>& indices,
                            const std::vector<float>& positions) {
    Vec3f eye;
    bool mirrored = false;
    if (!eye_in_model_space(eye, mirrored))
        return false;
    picked_.clear();
    facing(indices, positions, eye, mirrored, picked_);
    return true;
}
