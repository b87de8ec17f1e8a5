// The six planes of what a camera sees, taken from a model-view-projection matrix in the
// space that matrix starts from, and how far along the view a point lies there. A sphere
// reported outside lies wholly beyond one plane: nothing of it can reach the picture.
#pragma once

#include "cMatrix4.h"

#include <array>

class cViewFrustum {
public:
    // `mvp` is the projection after the model-view: clip = mvp.apply(object point).
    explicit cViewFrustum(const cMatrix4& mvp);

    // What GL's current projection and model-view matrices show, in the space they start from.
    static cViewFrustum current();

    // True when the sphere lies wholly outside one of the planes.
    bool outside(const Vec3f& centre, float radius) const;
    // The clip-space w of a point: its distance in front of the eye under a perspective.
    float depth(const Vec3f& p) const { return w_.dot(p) + w_offset_; }

private:
    struct sPlane {
        Vec3f normal; // of unit length: distances are in object units
        float offset = 0;
    };
    std::array<sPlane, 6> planes_;
    Vec3f w_;
    float w_offset_ = 0;
};
