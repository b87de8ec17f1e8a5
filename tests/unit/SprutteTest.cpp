// The sprutte scene's logic without a window: how the kicks of track 1 count (the one-time
// reset, the paths from the 38th, the frozen camera), how an arm follows its centre, and which
// of the body's triangles face the eye.
#include "scenes/sprutte/cFacingTriangles.h"
#include "scenes/sprutte/cSprutteArm.h"
#include "scenes/sprutte/cSprutteKicks.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Kicks until the count reaches `count`, 500 ms apart from `ms`; returns the time after.
int32_t kick_to(cSprutteKicks& kicks, int count, int32_t ms) {
    while (kicks.kickcount < count) {
        kicks.note_on(cSprutteKicks::kKickTrack, ms, ms);
        ms += 500;
    }
    return ms;
}

float distance(const cMatrix4& a, const cMatrix4& b) {
    float d = 0;
    for (int i = 0; i < 16; ++i)
        d = std::max(d, std::fabs(a.data()[i] - b.data()[i]));
    return d;
}

// The twelve triangles of a cube about the origin, two a face in the order +x, -x, +y, -y, +z,
// -z, counter-clockwise seen from outside.
void cube(std::vector<float>& positions, std::vector<uint32_t>& indices) {
    for (int i = 0; i < 8; ++i)
        positions.insert(positions.end(),
                         {i & 1 ? 1.f : -1.f, i & 2 ? 1.f : -1.f, i & 4 ? 1.f : -1.f});
    indices = {1, 3, 7, 1, 7, 5, 0, 4, 6, 0, 6, 2, 2, 6, 7, 2, 7, 3,
               0, 1, 5, 0, 5, 4, 4, 5, 7, 4, 7, 6, 0, 2, 3, 0, 3, 1};
}

// The faces (0 to 5 as `cube` orders them) of the triangles picked.
std::vector<int> faces(const std::vector<uint32_t>& all, const std::vector<uint32_t>& picked) {
    std::vector<int> out;
    for (size_t i = 0; i < picked.size(); i += 3)
        for (size_t t = 0; t < all.size(); t += 3)
            if (std::equal(&picked[i], &picked[i] + 3, &all[t]) &&
                (out.empty() || out.back() != int(t / 6)))
                out.push_back(int(t / 6));
    return out;
}

} // namespace

TEST(SprutteKicks, FifteenthKickResetsOnceThenPathsFollowTheKicks) {
    cSprutteKicks kicks;
    for (int i = 0; i < 14; ++i)
        kicks.note_on(1, 0, 0);
    EXPECT_FALSE(kicks.note_on(1, 0, 0));
    EXPECT_EQ(kicks.kickcount, 0) << "the 15th kick starts the count over";
    int32_t ms = kick_to(kicks, 14, 1000);
    kicks.note_on(1, ms, ms);
    EXPECT_EQ(kicks.kickcount, 15) << "only once per run";
    kicks.note_on(cSprutteKicks::kFlashTrack, 4321, ms);
    kicks.note_on(5, ms, ms);
    EXPECT_EQ(kicks.flash_ms, 4321);
    EXPECT_EQ(kicks.kickcount, 15) << "other tracks do not count";
    ms = kick_to(kicks, 37, ms);
    EXPECT_TRUE(kicks.intro);
    EXPECT_EQ(kicks.path, 0);

    // From the 38th on: the next path on every kick but the multiples of 4 (68 excepted),
    // counting down from the 70th with 0 wrapping to 8.
    std::vector<int> seen;
    for (int count = 38; count <= 100; ++count) {
        EXPECT_TRUE(kicks.note_on(1, ms, ms));
        seen.push_back(kicks.path);
        ms += 500;
    }
    EXPECT_FALSE(kicks.intro);
    const auto at = [&](int count) { return seen[size_t(count - 38)]; };
    EXPECT_EQ(at(38), 1) << "path02 comes first";
    EXPECT_EQ(at(39), 2);
    EXPECT_EQ(at(40), 2) << "a multiple of 4 keeps the path";
    EXPECT_EQ(at(41), 3);
    EXPECT_EQ(at(67), at(66) + 1 > 8 ? 0 : at(66) + 1);
    EXPECT_NE(at(68), at(67)) << "68 changes the path";
    EXPECT_EQ(at(69), (at(68) + 1) % 9);
    EXPECT_EQ(at(70), (at(69) + 8) % 9) << "counting down from 70";
    for (int count = 71; count <= 100; ++count)
        if (count % 4 != 0)
            EXPECT_EQ(at(count), (at(count - 1) + 8) % 9) << count;
        else
            EXPECT_EQ(at(count), at(count - 1)) << count;
}

TEST(SprutteKicks, CameraFreezesAtSixtyEightAndFromNinetyEight) {
    cSprutteKicks kicks;
    kick_to(kicks, 15, 0); // through the reset
    int32_t ms = kick_to(kicks, 67, 0);
    EXPECT_FLOAT_EQ(kicks.path_parameter(kicks.path_start_ms + 750), 0.5f);
    kicks.note_on(1, ms, ms); // the 68th: a new path, seen from where the last one stopped
    EXPECT_FLOAT_EQ(kicks.path_parameter(ms + 300), 0.5f);
    EXPECT_FLOAT_EQ(kicks.path_parameter(ms + 1200), 0.5f) << "held on the 68th";
    ms = kick_to(kicks, 97, ms + 500);
    EXPECT_FLOAT_EQ(kicks.path_parameter(kicks.path_start_ms + 150), 0.1f);
    kicks.note_on(1, ms, ms); // the 98th keeps the path and stops it
    EXPECT_FLOAT_EQ(kicks.path_parameter(ms + 100), 0.1f);
    kick_to(kicks, 105, ms + 500);
    EXPECT_FLOAT_EQ(kicks.path_parameter(ms + 9000), 0.1f);
}

TEST(SprutteArm, NodesStayOneSegmentApartAndAStillCentreGivesAStraightArm) {
    cSprutteArm arm;
    arm.reset(0);
    int32_t ms = 0;
    for (int frame = 0; frame < 200; ++frame) {
        ms += 16;
        arm.step(ms, frame < 100 ? 0.05f * float(frame) : 1.3f, 1000);
        for (int n = 0; n < cSprutteArm::kSegments; ++n) {
            const Vec3f d = arm.node(n + 1) - arm.node(n);
            ASSERT_NEAR(d.length(), 5.0f, 1e-4f) << frame << " " << n;
            // Each segment's rotation takes +y onto its direction, downward ones too.
            const Vec3f y = arm.segment(n).apply({0, 1, 0});
            ASSERT_NEAR((y - d * 0.2f).length(), 0.0f, 1e-4f) << frame << " " << n;
        }
    }
    // Long after the centre stopped turning the arm lies straight along the turned +y.
    for (int frame = 0; frame < 400; ++frame)
        arm.step(ms += 16, 1.3f, 1000);
    const Vec3f axis = (arm.node(32) - arm.node(0)) * (1.0f / 160);
    EXPECT_NEAR(axis.length(), 1.0f, 1e-3f) << "all 32 segments in one line";
    const float s = 1 / std::sqrt(3.0f);
    const Vec3f expected = cMatrix4::rotation({s, s, s}, 1.3f).apply({0, 1, 0});
    EXPECT_NEAR((axis - expected).length(), 0.0f, 1e-3f);
}

TEST(SprutteArm, ATurnReachesSegmentIAfterIThirtyThirdsOfThePropagation) {
    // With frames one slot (990 / 33 = 30 ms) apart every segment takes its inner
    // neighbour's orientation of the frame before: the turn arrives at i after i frames.
    cSprutteArm arm;
    arm.reset(0);
    const float s = 1 / std::sqrt(3.0f);
    const cMatrix4 turned = cMatrix4::rotation({s, s, s}, 2.0f);
    for (int i = 1; i <= cSprutteArm::kSegments; ++i) {
        EXPECT_GT(distance(arm.orientation(i), turned), 0.1f) << "not before " << 30 * i << " ms";
        arm.step(30 * i, 2.0f, 990);
        EXPECT_LT(distance(arm.orientation(i), turned), 1e-6f) << "at " << 30 * i << " ms";
    }
}

// Back-face culling draws what faces the eye: one face seen head-on, three from a corner, and,
// where the view mirrors and so turns every winding, all but the face towards the eye. A sign
// error keeps the hidden faces; an eye taken at the wrong place keeps the wrong ones.
TEST(FacingTriangles, KeepsWhatBackFaceCullingWouldDraw) {
    std::vector<float> positions;
    std::vector<uint32_t> indices;
    cube(positions, indices);
    const auto seen = [&](const Vec3f& eye, bool mirrored) {
        std::vector<uint32_t> picked;
        cFacingTriangles::facing(indices, positions, eye, mirrored, picked);
        return faces(indices, picked);
    };
    EXPECT_EQ(seen({0, 0, 5}, false), (std::vector<int>{4}));
    EXPECT_EQ(seen({5, 5, 5}, false), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(seen({-3, 0.5f, 0}, false), (std::vector<int>{1}));
    EXPECT_EQ(seen({0, 0, 5}, true), (std::vector<int>{0, 1, 2, 3, 5}));
}
