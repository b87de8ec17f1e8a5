// A point stream on a real context: batches land in the buffer at their ring offsets, the
// sixth batch of a 250000/50000 ring starts over at 0 from the origin, and only what was
// written is ever drawn.
#include "render/GlExtensions.h"
#include "scenes/attractor/cAttractorStream.h"
#include "support/GlWindow.h"

#include <SDL/SDL.h>
#include <vector>

namespace {

using tGetBufferSubData = void (*)(GLenum, GLintptr, GLsizeiptr, void*);

// The first `count` points of the buffer at point `offset`.
std::vector<float> read_points(GLuint buffer, int offset, int count) {
    const auto get =
        reinterpret_cast<tGetBufferSubData>(SDL_GL_GetProcAddress("glGetBufferSubDataARB"));
    std::vector<float> points(size_t(count) * 3);
    ext::glBindBufferARB(GL_ARRAY_BUFFER, buffer);
    get(GL_ARRAY_BUFFER, GLintptr(offset) * 12, GLsizeiptr(count) * 12, points.data());
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
    return points;
}

} // namespace

class AttractorStreamTest : public cGlWindow {};

TEST_F(AttractorStreamTest, RingOfFiveBatchesRestartsFromTheOriginOnTheSixth) {
    cAttractorStream stream(250000, 50000);
    stream.calculator().noise_scale = 0;
    std::vector<int> offsets;
    for (int update = 0; update < 5; ++update) {
        offsets.push_back(stream.write_offset());
        stream.update({1, 1, 1, 1});
        EXPECT_EQ(stream.filled(), 50000 * (update + 1));
    }
    stream.flush();
    EXPECT_EQ(offsets, (std::vector<int>{0, 50000, 100000, 150000, 200000}));
    const std::vector<float> tail = read_points(stream.vbo_id(), 249999, 1);

    stream.update({2, 1, 1, 1});
    stream.flush();
    EXPECT_EQ(stream.write_offset(), 50000);
    EXPECT_EQ(stream.filled(), 250000);
    const std::vector<float> head = read_points(stream.vbo_id(), 0, 2);
    const std::vector<float> expected = {0, -1, 0, -0.9093f, -0.5403f, 0};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(head[i], expected[i], 5e-5) << i;
    EXPECT_EQ(read_points(stream.vbo_id(), 249999, 1), tail) << "the ring's end is kept";
}
