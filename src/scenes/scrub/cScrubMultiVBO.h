// The scrub's geometry store: indexed triangles gathered on the client are sealed into render
// blocks, their vertices copied once into a pooled pair of dynamic buffers (positions, normals)
// through write-only mappings. Retired blocks give their pair back, so none is allocated later.
#pragma once

#include "geometry/Vec3.h"
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

    struct cRenderBlock {
        float z_min = 1e12f;
        float z_max = -1e12f;
        int32_t vertex_count = 0;
        cScrubMultiVBO* owner = nullptr;
        std::unique_ptr<cBufferPair> pair;
        std::vector<uint32_t> indices;
    };

    cScrubMultiVBO();

    // Appends a vertex to the current list; returns its index in the block being built.
    uint32_t add_vertex(const Vec3f& position, const Vec3f& normal);
    void add_triangle(uint32_t a, uint32_t b, uint32_t c);
    // Seals the current vertices and indices into a new block; nothing when there are none.
    void endRenderBlock();
    // Frees the oldest blocks while they lie wholly before `z`.
    void retire_blocks(float z);
    void draw_blocks() const;

    const std::deque<cRenderBlock>& blocks() const { return blocks_; }
    size_t free_pairs() const { return pool_.size(); }
    size_t vertex_count() const { return vertices_.size() / 6; }
    size_t index_count() const { return indices_.size(); }

private:
    std::unique_ptr<cBufferPair> take_pair();
    void upload(cRenderBlock& block);

    std::vector<uint32_t> indices_;
    std::deque<cRenderBlock> blocks_;
    std::vector<float> vertices_; // position x, y, z, normal x, y, z per vertex
    std::vector<std::unique_ptr<cBufferPair>> pool_;
    int32_t default_capacity_ = kDefaultCapacity;
};
