// The scrub's spatial hash: cells of 1.2 units hashed into 100000 chained buckets. Queries
// look at the 27 buckets around a point (or fewer), so a node's neighbourhood (closer than
// one cell) and the nodes near a point are found without touching the rest of the shell.
#pragma once

#include "cScrubNode.h"

#include <cstdint>
#include <vector>

class cScrubGrid {
public:
    static constexpr int32_t kBuckets = 100000;
    static constexpr float kCell = 1.2f;

    cScrubGrid();

    void clear();
    void insert(cScrubNode* node);
    // Whether a node lies closer than `r` (at most a cell) to `p`: only the buckets of the
    // cells within `r` of `p` are searched, and the first such node ends the search.
    bool any_within(const Vec3f& p, float r) const;
    // The other nodes in the buckets around `node` closer than one cell, in bucket order.
    std::vector<cScrubNode*> neighbourhood(const cScrubNode* node) const;

    static int32_t key(const Vec3f& p);
    size_t entry_count() const { return entries_.size(); }

private:
    // The node's position is copied in: a query reads the store in order instead of
    // following each node into the list.
    struct sEntry {
        Vec3f position;
        cScrubNode* node;
        int32_t next;
    };
    template <class tVisit> void visit_around(const Vec3f& p, tVisit visit) const;

    std::vector<int32_t> heads_;
    std::vector<sEntry> entries_;
};
