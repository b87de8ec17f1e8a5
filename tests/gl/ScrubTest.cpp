#include "render/GlErrors.h"
#include "render/GlExtensions.h"
#include "scenes/scrub/cScrub.h"
#include "scenes/scrub/cScrubShapes.h"
#include "support/Capture.h"
#include "support/GlWindow.h"
#include "toolkit/cRandomTable.h"

#include <GL/glu.h>
#include <memory>
#include <vector>

namespace {

class ScrubTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        random_table().fill();
        scrub_ = std::make_unique<cScrub>();
    }
    void TearDown() override {
        scrub_.reset();
        cGlWindow::TearDown();
    }
    std::unique_ptr<cScrub> scrub_;
};

// The whole picture as the current viewport shows it.
std::vector<uint8_t> picture() {
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    std::vector<uint8_t> rgb(static_cast<size_t>(v[2]) * v[3] * 3);
    glReadPixels(v[0], v[1], v[2], v[3], GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// The tube's own view: from inside, 90 degrees, lit and fogged, turned about its axis.
cViewFrustum look_into_tube(float z, float spin) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(90.0, 4.0 / 3.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(10.0, 9.9, z + 1.0, 10.0, 10.0, z + 2.0, 0, 1, 0);
    glTranslatef(10, 10, 0);
    glRotatef(spin, 0, 0, 1);
    glTranslatef(-10, -10, 0);
    return cViewFrustum::current();
}

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Grown in halves of at most 2.5 units, each slab sealing its own block; with prisms made at
// link time every block ends at its slab's upper end.
TEST_F(ScrubTest, GrowsInSlabsOfAtMostTwoAndAHalfUnits) {
    scrub_->link_mode = 0;
    scrub_->grow(0.0f, 6.0f);
    EXPECT_FLOAT_EQ(scrub_->front, 6.0f);
    const auto& blocks = scrub_->geometry.blocks();
    ASSERT_EQ(blocks.size(), 4u);
    const float ends[4] = {1.5f, 3.0f, 4.5f, 6.0f};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_GT(blocks[i].z_max, ends[i] - 0.1f) << "slab " << i;
        EXPECT_LE(blocks[i].z_max, ends[i] + scrub_->tube_radius) << "slab " << i;
    }
    cScrub one;
    one.link_mode = 0;
    one.grow(0.0f, 2.5f);
    EXPECT_EQ(one.geometry.blocks().size(), 1u);
}

// A 2-unit slab of the default shell asks for 810 nodes, tries at most 3240 points, and no
// two nodes end up closer than the minimum distance.
TEST_F(ScrubTest, SlabPlacesItsNodesAtTheMinimumDistance) {
    EXPECT_EQ(scrub_->nodes_wanted(0.0f, 2.0f), 810);
    scrub_->grow(0.0f, 2.0f);
    EXPECT_LE(scrub_->last_tries, 3240);
    EXPECT_TRUE(scrub_->last_accepted == 810 || scrub_->last_tries == 3240);
    EXPECT_EQ(scrub_->nodes().size(), static_cast<size_t>(scrub_->last_accepted));
    for (const cScrubNode& a : scrub_->nodes()) {
        for (const cScrubNode& b : scrub_->nodes()) {
            if (&a == &b)
                continue;
            ASSERT_GE((a.position - b.position).length(), scrub_->min_node_dist - 1e-5f);
        }
        ASSERT_LE(a.neighbours.size(), 64u);
        ASSERT_GT(a.neighbours.size(), 0u) << "a node of a full slab without links";
    }

    cScrub exact;
    exact.min_node_dist = 0.5f;
    exact.add_node({10.0f, 10.0f, 1.0f});
    EXPECT_TRUE(exact.accepts({10.5f, 10.0f, 1.0f}));
    EXPECT_FALSE(exact.accepts({10.25f, 10.0f, 1.0f}));
    EXPECT_TRUE(exact.accepts({10.0f, 10.0f, 4.0f}));
}

// Seven links from one node: only the six in its first slots become tubes.
TEST_F(ScrubTest, LinksBeyondTheSixthSlotMakeNoGeometry) {
    cScrubNode& centre = scrub_->add_node({10.0f, 10.0f, 1.0f});
    const Vec3f around[7] = {{0.5f, 0, 0}, {-0.5f, 0, 0}, {0, 0.5f, 0},      {0, -0.5f, 0},
                             {0, 0, 0.5f}, {0, 0, -0.5f}, {0.3f, 0.3f, 0.3f}};
    for (const Vec3f& d : around)
        EXPECT_TRUE(scrub_->connect(centre, scrub_->add_node(centre.position + d)));
    EXPECT_FALSE(scrub_->connect(centre, *centre.neighbours[0])) << "linked twice";
    scrub_->front = 10.0f;
    scrub_->advance(-100.0f, 0.0f);
    ASSERT_EQ(scrub_->geometry.blocks().size(), 1u);
    EXPECT_EQ(scrub_->geometry.blocks()[0].vertex_count, 6 * 6);
    for (const cScrubNode& n : scrub_->nodes())
        EXPECT_TRUE(n.finalised());
}

// Sealing nothing takes no pair; the 31st live block warns once, gets a new pair and draws.
TEST_F(ScrubTest, BlocksComeFromAPoolOfThirtyPairs) {
    cScrubMultiVBO& g = scrub_->geometry;
    g.endRenderBlock();
    EXPECT_TRUE(g.blocks().empty());
    EXPECT_EQ(g.free_pairs(), 30u);
    cCapture lines;
    for (int i = 0; i < 31; ++i) {
        cScrubShapes::prism(g, {10, 10, static_cast<float>(i)}, {10, 10, i + 0.5f}, 0.1f);
        g.endRenderBlock();
    }
    EXPECT_EQ(count(lines.out(), "cScrubMultiVBO::cRenderBlock::cRenderBlock: Warning "
                                 "insufficient memory - reallocation occured\n"),
              1u);
    ASSERT_EQ(g.blocks().size(), 31u);
    EXPECT_FLOAT_EQ(g.blocks()[30].z_min, 30.0f);
    EXPECT_FLOAT_EQ(g.blocks()[30].z_max, 30.5f);
    g.draw_blocks();
    EXPECT_FALSE(check_gl_error("draw_blocks"));
    g.retire_blocks(100.0f);
    EXPECT_TRUE(g.blocks().empty());
    EXPECT_EQ(g.free_pairs(), 31u);
}

// A prism is three sides around its axis sharing six corners, each side's two triangles
// wound to face outward (only front faces are drawn); a curved tube is rings of four joined
// by eight triangles each.
TEST_F(ScrubTest, PrismsAndCurvedTubes) {
    cScrubMultiVBO& g = scrub_->geometry;
    cScrubShapes::prism(g, {10, 10, 0}, {10, 10, 1}, 0.025f);
    EXPECT_EQ(g.vertex_count(), 6u);
    ASSERT_EQ(g.index_count(), 18u);
    g.endRenderBlock();
    const cScrubMultiVBO::cRenderBlock& prism = g.blocks()[0];
    prism.pair->positions.bind();
    auto* corners = static_cast<const float*>(ext::glMapBufferARB(GL_ARRAY_BUFFER, GL_READ_ONLY));
    ASSERT_NE(corners, nullptr);
    auto corner = [&](uint32_t i) {
        return Vec3f(corners[3 * i], corners[3 * i + 1], corners[3 * i + 2]);
    };
    for (size_t t = 0; t < 18; t += 3) {
        const Vec3f a = corner(prism.indices[t]), b = corner(prism.indices[t + 1]),
                    c = corner(prism.indices[t + 2]);
        const Vec3f centre = (a + b + c) * (1.0f / 3.0f), outward(centre.x - 10, centre.y - 10, 0);
        EXPECT_GT((b - a).cross(c - a).dot(outward), 0.0f) << "triangle " << t / 3;
    }
    prism.pair->positions.unmap();

    const Vec3f control[4] = {{10, 10, 0}, {10.2f, 10, 0.2f}, {10.4f, 10, 0.4f}, {10.6f, 10, 0.6f}};
    const size_t points = cScrubShapes::refine(control).size();
    EXPECT_EQ(points, 1u + 3u * 4u) << "0.85 units long: four pieces below 0.219";
    cScrubShapes::curved_tube(g, control, 0.025f);
    EXPECT_EQ(g.vertex_count(), 4 * points);
    EXPECT_EQ(g.index_count(), 3 * 8 * (points - 1));
    g.endRenderBlock();
    ASSERT_EQ(g.blocks().size(), 2u);
    for (uint32_t i : g.blocks()[1].indices)
        ASSERT_LT(i, 4 * points);
}

// Drawn through the view, the tube leaves out its pieces beyond the frustum's planes, and every
// pixel comes out as in the full drawing, the tube turned or not.
TEST_F(ScrubTest, PiecesOutsideTheViewAreLeftOutWithoutChangingAPixel) {
    scrub_->advance(10.0f, 24.0f);
    scrub_->advance(10.0f, 24.0f);
    for (float z = 10.0f; z < 14.0f; z += 1.0f)
        scrub_->advance(z, z + 14.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogf(GL_FOG_DENSITY, 0.2f);
    glEnable(GL_CULL_FACE);
    for (float spin : {0.0f, 137.0f}) {
        const cViewFrustum view = look_into_tube(13.0f, spin);
        size_t pieces = 0, outside = 0;
        for (const auto& block : scrub_->geometry.blocks())
            for (const auto& piece : block.pieces) {
                ++pieces;
                outside += view.outside(piece.centre, piece.radius) ? 1 : 0;
            }
        EXPECT_GT(outside, pieces / 5) << "spin " << spin;
        EXPECT_LT(outside, pieces) << "spin " << spin;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scrub_->draw_blocks();
        const std::vector<uint8_t> full = picture();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scrub_->draw_blocks(view);
        EXPECT_TRUE(picture() == full) << "spin " << spin;
    }
}

// Flying on: every node and block that falls behind the camera is freed, no link points at a
// freed node, and the pairs come back to the pool.
TEST_F(ScrubTest, NodesAndBlocksBehindTheCameraAreFreed) {
    scrub_->density = 4.0f;
    scrub_->advance(10.0f, 24.0f);
    scrub_->advance(10.0f, 24.0f);
    for (float z = 10.0f; z < 40.0f; z += 0.25f)
        scrub_->advance(z, z + 14.0f);
    for (const cScrubNode& n : scrub_->nodes()) {
        ASSERT_GE(n.position.z, 39.75f);
        for (const cScrubNode* other : n.neighbours)
            ASSERT_GE(other->position.z, 39.75f);
    }
    const auto& blocks = scrub_->geometry.blocks();
    ASSERT_FALSE(blocks.empty());
    for (const auto& b : blocks)
        EXPECT_GE(b.z_max, 39.75f);
    EXPECT_EQ(blocks.size() + scrub_->geometry.free_pairs(), 30u);
}

} // namespace
