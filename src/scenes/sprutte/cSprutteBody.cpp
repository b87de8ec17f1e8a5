#include "cSprutteBody.h"

#include "base/Pi.h"

#include "render/GlExtensions.h"

#include <GL/gl.h>

cSprutteBody::cSprutteBody(const cMeshObj_data& joint) {
    const size_t count = joint.positions.size() / 3;
    const bool has_normals = joint.normals.size() == joint.positions.size();
    for (int piece = 0; piece < 6; ++piece) {
        // The pieces are drawn after turns of 60, 120, ... 360 degrees about y.
        const cMatrix4 turn =
            cMatrix4::rotation({0, 1, 0}, kPi / 3 * static_cast<float>(piece + 1));
        const auto base = static_cast<uint32_t>(ring_positions_.size());
        for (size_t v = 0; v < count; ++v) {
            const float* p = &joint.positions[v * 3];
            ring_positions_.push_back(turn.apply({p[0], p[1], p[2]}));
            const Vec3f n = has_normals ? Vec3f(joint.normals[v * 3], joint.normals[v * 3 + 1],
                                                joint.normals[v * 3 + 2])
                                        : Vec3f(0, 1, 0);
            ring_normals_.push_back(turn.turn(n));
        }
        for (uint32_t index : joint.indices)
            if (index < count)
                ring_indices_.push_back(base + index);
    }
    const float quarter = kPi / 2;
    const cMatrix4 mirror = cMatrix4::scaling({-1, -1, -1});
    const cMatrix4 about_z = cMatrix4::rotation({0, 0, 1}, quarter);
    arms_ = {cMatrix4(),
             about_z,
             mirror,
             about_z * mirror,
             cMatrix4::rotation({1, 0, 0}, quarter),
             cMatrix4::rotation({1, 0, 0}, -quarter)};
    index_arms();
}

// Arms 3 and 4 are mirrored through the centre, which turns every triangle's winding: their
// triangles are stored with two corners swapped, so their outsides face the camera as the
// others' do. The triangles never change; build only moves the vertices.
void cSprutteBody::index_arms() {
    static constexpr bool kMirrored[kArms] = {false, false, true, true, false, false};
    const auto ring_size = static_cast<uint32_t>(ring_positions_.size());
    uint32_t base = 0;
    for (bool mirrored : kMirrored)
        for (int n = 0; n < cSprutteArm::kSegments; ++n, base += ring_size)
            for (size_t i = 0; i + 2 < ring_indices_.size(); i += 3) {
                const uint32_t a = ring_indices_[i], b = ring_indices_[i + 1],
                               c = ring_indices_[i + 2];
                indices_.insert(indices_.end(),
                                {base + a, base + (mirrored ? c : b), base + (mirrored ? b : c)});
            }
    positions_.resize(size_t(base) * 3);
    normals_.resize(size_t(base) * 3);
}

void cSprutteBody::build(const cSprutteArm& arm) {
    float* position = positions_.data();
    float* normal = normals_.data();
    for (const cMatrix4& turn : arms_)
        for (int n = 0; n < cSprutteArm::kSegments; ++n) {
            const float taper = 1 - static_cast<float>(n) / 33;
            place_segment(turn * cMatrix4::translation(arm.node(n)) * arm.segment(n), taper,
                          position, normal);
        }
}

// `place` without the taper: normals take the inverse of the taper's scaling.
void cSprutteBody::place_segment(const cMatrix4& place, float taper, float*& position,
                                 float*& normal) const {
    for (size_t v = 0; v < ring_positions_.size(); ++v) {
        const Vec3f& p = ring_positions_[v];
        const Vec3f q = place.apply({p.x * taper, p.y, p.z * taper});
        const Vec3f& m = ring_normals_[v];
        const Vec3f k = place.turn(Vec3f(m.x / taper, m.y, m.z / taper)).normalized();
        *position++ = q.x, *position++ = q.y, *position++ = q.z;
        *normal++ = k.x, *normal++ = k.y, *normal++ = k.z;
    }
}

void cSprutteBody::draw() {
    if (indices_.empty())
        return;
    const std::vector<uint32_t>* drawn =
        facing_.pick(indices_, positions_) ? &facing_.picked() : &indices_;
    if (drawn->empty())
        return;
    // Client arrays: no buffer object may stay bound.
    ext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    ext::glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions_.data());
    glNormalPointer(GL_FLOAT, 0, normals_.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(drawn->size()), GL_UNSIGNED_INT,
                   drawn->data());
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
