// The two tube shapes a link between scrub nodes becomes: a straight three-sided prism of
// unindexed triangles, or a four-sided tube swept along a cubic curve whose rings are joined
// by indexed triangles. Both add one piece to the geometry store's current block.
#pragma once

#include "cScrubMultiVBO.h"

#include <vector>

class cScrubShapes {
public:
    // Length at or above which a cubic piece is halved before the tube follows it.
    static constexpr float kMaxPiece = 3 * 0.073f;

    // Three sides from `b` to `a`: 18 vertices with normals pointing out of the sides.
    static void prism(cScrubMultiVBO& out, const Vec3f& b, const Vec3f& a, float radius);
    // A ring of 4 vertices per point of the refined curve; 8 triangles between rings.
    static void curved_tube(cScrubMultiVBO& out, const Vec3f (&control)[4], float radius);
    // The control polygon after halving every piece until its end points lie closer than
    // kMaxPiece: the first point, then three more per piece.
    static std::vector<Vec3f> refine(const Vec3f (&control)[4]);
};
