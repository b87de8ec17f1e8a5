// Points drawn in batches land as one draw would put them: every point from `first` on
// exactly once, across batch edges and a short last batch, and none before `first`.
#include "render/PointBatches.h"
#include "support/GlWindow.h"

#include <vector>

class PointBatchesTest : public cGlWindow {};

TEST_F(PointBatchesTest, EveryPointFromFirstIsDrawnOnce) {
    // One point per pixel centre along rows of 256, added in at 1/8 of full so a point drawn
    // twice shows as 64 instead of 32.
    constexpr int kWidth = 256, kFirst = 5, kCount = 2 * kPointBatch + 7;
    std::vector<float> xy;
    for (int i = 0; i < kFirst + kCount; ++i)
        xy.insert(xy.end(), {float(i % kWidth) + 0.5f, float(i / kWidth) + 0.5f});
    glViewport(0, 64, 1024, 640); // the picture's pixels, counted from its bottom left
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1024, 0, 640, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_POINT_SMOOTH); // square one-pixel points
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor4f(0.125f, 0.125f, 0.125f, 1);
    glPointSize(1);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, xy.data());
    draw_points_in_batches(kFirst, kCount);
    glDisableClientState(GL_VERTEX_ARRAY);
    glFinish();
    for (int i = 0; i < kFirst + kCount + kWidth; ++i) {
        const int expected = i < kFirst || i >= kFirst + kCount ? 0 : 32;
        ASSERT_NEAR(pixel(i % kWidth, i / kWidth)[0], expected, 1) << "point " << i;
    }
}
