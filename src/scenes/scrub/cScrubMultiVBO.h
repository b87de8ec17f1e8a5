// The scrub's geometry store: indexed triangles gathered on the client are sealed into render
// blocks of pieces (one shape each, held by a sphere), their vertices copied once into a pooled
// pair of dynamic buffers. Retired blocks give their pair back, so none is allocated later.
#pragma once

#include "geometry/Vec3.h"
#include "geometry/cViewFrustum.h"
#include "mesh_files/cVBO.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class cScrubMultiVBO {
public:
    static constexpr int kPairCount = 30;
    static constexpr int32_t kDefaultCapacity = 30000;

    struct cBufferPair {
        cVBO positions{3};
        cVBO normals{3};
        int32_t capacity = 0;
        // Both buffers sized for `vertices` vertices, dynamic, contents undefined.
        void resize(int32_t vertices);
    };

    // One shape's triangles: `count` indices from `first` in its block, all within the sphere.
    struct sPiece {
        Vec3f centre;
        float radius = 0;
        uint32_t first = 0;
        uint32_t count = 0;
    };

    struct cRenderBlock {
        float z_min = 1e12f;
        float z_max = -1e12f;
        int32_t vertex_count = 0;
        cScrubMultiVBO* owner = nullptr;
        std::unique_ptr<cBufferPair> pair;
        std::vector<uint32_t> indices;
        std::vector<sPiece> pieces; // in index order, covering every index
    };

    cScrubMultiVBO();

    // Appends a vertex to the current list; returns its index in the block being built.
    uint32_t add_vertex(const Vec3f& position, const Vec3f& normal);
    void add_triangle(uint32_t a, uint32_t b, uint32_t c);
    // Closes the triangles added since the last piece into one piece inside the sphere.
    void end_piece(const Vec3f& centre, float radius);
    // Seals the current vertices and indices into a new block; nothing when there are none.
    void endRenderBlock();
    // Frees the oldest blocks while they lie wholly before `z`.
    void retire_blocks(float z);
    void draw_blocks() const;
    // Only the pieces that can reach the picture of `view`; the same pixels as draw_blocks.
    void draw_blocks(const cViewFrustum& view) const;

    const std::deque<cRenderBlock>& blocks() const { return blocks_; }
    size_t free_pairs() const { return pool_.size(); }
    size_t vertex_count() const { return vertices_.size() / 6; }
    size_t index_count() const { return indices_.size(); }

private:
    std::unique_ptr<cBufferPair> take_pair();
    void upload(cRenderBlock& block);
    void draw(const cRenderBlock& block, const std::vector<uint32_t>& indices) const;

    std::vector<uint32_t> indices_;
    std::vector<sPiece> pieces_;
    std::deque<cRenderBlock> blocks_;
    std::vector<float> vertices_; // position x, y, z, normal x, y, z per vertex
    std::vector<std::unique_ptr<cBufferPair>> pool_;
    int32_t default_capacity_ = kDefaultCapacity;
    mutable std::vector<uint32_t> visible_; // the indices one block draws, kept for its room
};
