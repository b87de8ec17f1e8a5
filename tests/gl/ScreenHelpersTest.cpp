// The screen helpers' pictures: a texture covers the whole view whatever its size and target,
// texel (0, 0) at the lower left. The end scene built on them is checked texel for texel on the
// real demo's screen (e2e/EndSceneTest); the state they hand back in PostStateTest.
#include "ShaderFixture.h"

#include "render/ScreenHelpers.h"

namespace {

// Red, green, blue and yellow in the four corners of a width x height picture, grey elsewhere.
tPixels corners(int width, int height) {
    return picture(width, height, [=](int x, int y) {
        const bool right = x == width - 1, top = y == height - 1;
        return (x == 0 || right) && (y == 0 || top)
                   ? rgb(right == top ? 255 : 0, right ? 255 : 0, top && !right ? 255 : 0)
                   : rgb(90, 90, 90);
    });
}

using ScreenHelpersTest = cShaderFixture;

} // namespace

TEST_F(ScreenHelpersTest, TexturesCoverTheWholeViewWithTexelZeroAtTheLowerLeft) {
    const struct {
        GLenum target;
        int width, height;
    } cases[] = {{GL_TEXTURE_RECTANGLE_ARB, 640, 480}, {GL_TEXTURE_2D, 2, 2}};
    for (const auto& c : cases) {
        const GLuint name = texture(c.target, c.width, c.height, corners(c.width, c.height));
        glBindTexture(c.target, name); // nearest, so the corner texels stay pure
        glTexParameteri(c.target, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(c.target, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glBindTexture(c.target, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        begin_ortho_white();
        draw_texture(cTextureDesc{GLint(c.target), GLint(name), c.width, c.height});
        end_ortho();
        const tPixels out = read_view();
        const auto rgb_at = [&](int x, int y) {
            return std::vector<int>{at(out, x, y, 0), at(out, x, y, 1), at(out, x, y, 2)};
        };
        EXPECT_EQ(rgb_at(0, 0), (std::vector<int>{255, 0, 0})) << c.width;
        EXPECT_EQ(rgb_at(kViewWidth - 1, 0), (std::vector<int>{0, 255, 0})) << c.width;
        EXPECT_EQ(rgb_at(0, kViewHeight - 1), (std::vector<int>{0, 0, 255})) << c.width;
        EXPECT_EQ(rgb_at(kViewWidth - 1, kViewHeight - 1), (std::vector<int>{255, 255, 0}));
    }
}
