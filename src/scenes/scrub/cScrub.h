// The growth engine of the endless branch tube around the line x = 10, y = 10: nodes are
// scattered in slabs ahead of the camera, linked to their nearest neighbours, turned into thin
// tubes once their neighbourhood is complete, and dropped with their geometry behind the camera.
#pragma once

#include "cScrubGrid.h"
#include "cScrubMultiVBO.h"
#include "cScrubNode.h"

#include <cstdint>
#include <list>
#include <vector>

class cScrub {
public:
    static constexpr float kMaxSlab = 2.5f;
    static constexpr int kSearchTries = 40;

    cScrub() = default;
    virtual ~cScrub() = default;
    cScrub(const cScrub&) = delete;
    cScrub& operator=(const cScrub&) = delete;

    // The per-frame step: finalise what is complete, grow up to z_to, drop what lies before
    // z_from.
    void advance(float z_from, float z_to);
    // Creates and links the nodes with a <= z <= b, in slabs of at most kMaxSlab.
    void grow(float a, float b);
    void draw_blocks() const { geometry.draw_blocks(); }
    void draw_blocks(const cViewFrustum& view) const { geometry.draw_blocks(view); }

    // The nodes a slab from a to b asks for at the present shell and density.
    int32_t nodes_wanted(float a, float b) const;
    // Whether a new node may go at `p`: no node found near it is closer than min_node_dist.
    bool accepts(const Vec3f& p) const;
    // A new node at the end of the list, entered in the hash.
    cScrubNode& add_node(const Vec3f& p);
    // Links two nodes unless they already are; a prism at once in link mode 0.
    bool connect(cScrubNode& node, cScrubNode& other);
    const std::list<cScrubNode>& nodes() const { return nodes_; }

    float density = 4.3f;
    float inner_radius = 0.5f;
    float radial_depth = 5.0f;
    float min_node_dist = 0.4f;
    float tube_radius = 0.025f;
    float neighbour_count = 4.1f;
    int32_t link_mode = 2; // 0: a prism as soon as two nodes link; else at finalisation
    float front = 0.0f;
    uint8_t spline_links = 0;
    cScrubGrid grid;
    cScrubMultiVBO geometry;

    // Counters of the last slab, for the benchmark and the tests.
    int32_t last_tries = 0;
    int32_t last_accepted = 0;

private:
    void grow_slab(float a, float b);
    std::vector<cScrubNode*> scatter(float a, float b);
    void link(cScrubNode& node);
    void finalise(cScrubNode& node);
    float score(const cScrubNode& node) const;
    void slot_search(cScrubNode& node);
    void axis_search(cScrubNode& node);
    void emit_links(cScrubNode& node);
    void remove_before(float z);

    std::list<cScrubNode> nodes_;
};
