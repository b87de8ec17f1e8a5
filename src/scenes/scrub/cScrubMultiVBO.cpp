#include "cScrubMultiVBO.h"

#include "base/Messages.h"
#include "render/GlExtensions.h"

#include <GL/gl.h>
#include <algorithm>
#include <limits>

void cScrubMultiVBO::cBufferPair::resize(int32_t vertices) {
    positions.size_for_refill(vertices);
    normals.size_for_refill(vertices);
    capacity = vertices;
}

cScrubMultiVBO::cScrubMultiVBO() {
    for (int i = 0; i < kPairCount; ++i) {
        pool_.push_back(std::make_unique<cBufferPair>());
        pool_.back()->resize(default_capacity_ * 3);
    }
}

uint32_t cScrubMultiVBO::add_vertex(const Vec3f& p, const Vec3f& n) {
    vertices_.insert(vertices_.end(), {p.x, p.y, p.z, n.x, n.y, n.z});
    return static_cast<uint32_t>(vertices_.size() / 6 - 1);
}

void cScrubMultiVBO::add_triangle(uint32_t a, uint32_t b, uint32_t c) {
    indices_.insert(indices_.end(), {a, b, c});
}

void cScrubMultiVBO::end_piece(const Vec3f& centre, float radius) {
    const uint32_t first = pieces_.empty() ? 0 : pieces_.back().first + pieces_.back().count;
    const auto end = static_cast<uint32_t>(indices_.size());
    if (end > first)
        pieces_.push_back({centre, radius, first, end - first});
}

std::unique_ptr<cScrubMultiVBO::cBufferPair> cScrubMultiVBO::take_pair() {
    if (pool_.empty()) {
        msg_out() << "cScrubMultiVBO::cRenderBlock::cRenderBlock: Warning insufficient memory - "
                     "reallocation occured"
                  << std::endl;
        auto pair = std::make_unique<cBufferPair>();
        pair->resize(default_capacity_ * 3);
        return pair;
    }
    std::unique_ptr<cBufferPair> pair = std::move(pool_.back());
    pool_.pop_back();
    return pair;
}

void cScrubMultiVBO::endRenderBlock() {
    const size_t vertices = vertex_count();
    if (indices_.size() % 3 != 0) {
        msg_err() << "half finsished triangle" << std::endl;
        return;
    }
    if (vertices == 0)
        return;
    // Triangles added outside a piece are never left out.
    end_piece({}, std::numeric_limits<float>::infinity());
    blocks_.emplace_back();
    cRenderBlock& block = blocks_.back();
    block.owner = this;
    block.pair = take_pair();
    block.vertex_count = static_cast<int32_t>(vertices);
    if (block.vertex_count > block.pair->capacity) {
        msg_out() << "cScrubMultiVBO::endRenderBlock: Warning insufficient memory - reallocation "
                     "occured"
                  << std::endl;
        block.pair->resize(static_cast<int32_t>(block.vertex_count * 1.5));
    }
    block.indices.swap(indices_);
    block.pieces.swap(pieces_);
    upload(block);
    vertices_.clear();
    indices_.clear();
    pieces_.clear();
}

// A mapping the driver refuses leaves the block empty rather than writing through nothing.
void cScrubMultiVBO::upload(cRenderBlock& block) {
    auto* p = static_cast<float*>(block.pair->positions.map_for_writing());
    if (p != nullptr) {
        for (size_t v = 0; v < vertices_.size(); v += 6) {
            *p++ = vertices_[v];
            *p++ = vertices_[v + 1];
            *p++ = vertices_[v + 2];
            block.z_min = std::min(block.z_min, vertices_[v + 2]);
            block.z_max = std::max(block.z_max, vertices_[v + 2]);
        }
    }
    block.pair->positions.unmap();
    auto* n = static_cast<float*>(block.pair->normals.map_for_writing());
    if (n != nullptr)
        for (size_t v = 0; v < vertices_.size(); v += 6)
            for (size_t c = 3; c < 6; ++c)
                *n++ = vertices_[v + c];
    block.pair->normals.unmap();
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
    if (p == nullptr || n == nullptr) {
        msg_err() << "## ERROR: cScrubMultiVBO::endRenderBlock: buffer could not be mapped"
                  << std::endl;
        block.vertex_count = 0;
        block.indices.clear();
        block.pieces.clear();
    }
}

void cScrubMultiVBO::retire_blocks(float z) {
    while (!blocks_.empty() && blocks_.front().z_max < z) {
        pool_.push_back(std::move(blocks_.front().pair));
        blocks_.pop_front();
    }
}

void cScrubMultiVBO::draw_blocks() const {
    for (const cRenderBlock& block : blocks_)
        draw(block, block.indices);
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
}

// A piece wholly outside the view gives no fragment, so leaving it out changes no pixel; the
// rest keep their order, so equal depths resolve as before.
void cScrubMultiVBO::draw_blocks(const cViewFrustum& view) const {
    for (const cRenderBlock& block : blocks_) {
        visible_.clear();
        for (const sPiece& piece : block.pieces)
            if (!view.outside(piece.centre, piece.radius))
                visible_.insert(visible_.end(), block.indices.begin() + piece.first,
                                block.indices.begin() + piece.first + piece.count);
        draw(block, visible_);
    }
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
}

void cScrubMultiVBO::draw(const cRenderBlock& block, const std::vector<uint32_t>& indices) const {
    if (indices.empty())
        return;
    block.pair->positions.set_as_vertex_array();
    block.pair->normals.set_as_normal_array();
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT,
                   indices.data());
}
