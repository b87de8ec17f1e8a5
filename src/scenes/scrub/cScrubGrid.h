// The scrub's spatial hash: cells of 1.2 units hashed into 100000 chained buckets. Queries
// look at the 27 buckets around a point, so a node's neighbourhood (closer than one cell)
// and its nearest node are found without touching the rest of the shell.
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
    // The nearest node in the buckets around `p`; nullptr when they are empty.
    cScrubNode* nearest(const Vec3f& p) const;
    // The other nodes in the buckets around `node` closer than one cell, in bucket order.
    std::vector<cScrubNode*> neighbourhood(const cScrubNode* node) const;

    static int32_t key(const Vec3f& p);
    size_t entry_count() const { return entries_.size(); }

private:
    struct sEntry {
        cScrubNode* node;
        int32_t next;
    };
    template <class tVisit> void visit_around(const Vec3f& p, tVisit visit) const;

    std::vector<int32_t> heads_;
    std::vector<sEntry> entries_;
};
