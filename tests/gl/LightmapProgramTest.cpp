// The light-map program on known maps: the lamps-off map on unit 0 and the lamps-on map on
// unit 1, both read with the mesh's one set of coordinates, mixed by "blend" as the scene
// sets it while the program is bound. A program that ignores a map, reads the second map
// with other coordinates or mixes the wrong way round fails here.
#include "ShaderFixture.h"

#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cShaderParameter.h"
#include "shaders/cShdLightmap.h"

#include <cmath>

namespace {

constexpr int kMap = 64;

// Both maps change across the picture, each along its own directions.
tRgba off_map(int x, int y) {
    return rgb(4 * x, 40, 200 - 2 * y);
}
tRgba on_map(int x, int y) {
    return rgb(250 - 3 * y, 3 * x, 90);
}

// What linear filtering of a map whose channels are linear in x and y gives at a pixel of
// the view, away from the clamped border: the map's formula at the texel coordinate.
float expected(tRgba (*map)(int, int), int channel, int px, int py) {
    const float tx = (float(px) + 0.5f) / kViewWidth * kMap - 0.5f;
    const float ty = (float(py) + 0.5f) / kViewHeight * kMap - 0.5f;
    const int x = int(std::floor(tx)), y = int(std::floor(ty));
    const float fx = tx - float(x), fy = ty - float(y);
    const float a = map(x, y)[size_t(channel)], b = map(x + 1, y)[size_t(channel)];
    const float c = map(x, y + 1)[size_t(channel)], d = map(x + 1, y + 1)[size_t(channel)];
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

void bind_unit(GLenum unit, GLuint texture) {
    ext::glActiveTexture(unit);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
}

using LightmapProgramTest = cShaderFixture;

} // namespace

TEST_F(LightmapProgramTest, MixesTheOffAndOnMapsByBlend) {
    ensure_shader<cShdLightmap>("lightmap_shader", true);
    ensure_shader<cShdLightmap>("lightmap_on_shader", false);
    const GLuint off = texture(GL_TEXTURE_2D, kMap, kMap, picture(kMap, kMap, off_map));
    const GLuint on = texture(GL_TEXTURE_2D, kMap, kMap, picture(kMap, kMap, on_map));
    begin_ortho_white();
    bind_unit(GL_TEXTURE1, on);
    bind_unit(GL_TEXTURE0, off);
    shader_manager().bind("lightmap_shader");
    tPixels fully_on;
    for (float blend : {0.0f, 0.3f, 1.0f}) {
        cShaderParameter<float> parameter(blend);
        shader_manager().set_parameter("lightmap_shader", 1, &parameter);
        quad_unit();
        const tPixels view = fully_on = read_view();
        int worst = 0;
        for (int py = 40; py < kViewHeight - 40; py += 37)
            for (int px = 40; px < kViewWidth - 40; px += 53)
                for (int c = 0; c < 3; ++c) {
                    const float want =
                        expected(off_map, c, px, py) +
                        (expected(on_map, c, px, py) - expected(off_map, c, px, py)) * blend;
                    worst =
                        std::max(worst, int(std::lround(std::fabs(at(view, px, py, c) - want))));
                }
        EXPECT_LE(worst, 3) << "blend " << blend;
    }
    // The program for lamps fully on draws what the mix draws at 1.
    shader_manager().bind("lightmap_on_shader");
    quad_unit();
    EXPECT_EQ(read_view(), fully_on);
    shader_manager().bind("lightmap_shader");
    // A parameter of another kind leaves the blend alone.
    float values[1] = {0.0f};
    cShaderParameter<float*> wrong(values);
    shader_manager().set_parameter("lightmap_shader", 1, &wrong);
    quad_unit();
    EXPECT_NEAR(at(read_view(), 512, 320, 1), expected(on_map, 1, 512, 320), 3);
    shader_manager().unbind();
    ext::glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    ext::glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    end_ortho();
}
