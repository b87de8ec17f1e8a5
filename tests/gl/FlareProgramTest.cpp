// The flare program on known pictures: the gas slides along the sheet's v by uvshift and is
// cut where it has slid off, the gradient on unit 1 colours it by the flare's age, and the
// per-flare colour's alpha fades it; what a viewer sees as a flare rising and cooling.
#include "ShaderFixture.h"

#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cShaderParameter.h"
#include "shaders/cShdFlare.h"

namespace {

class FlareProgramTest : public cShaderFixture {
protected:
    // Gas: blue holds the gas image's own v; gradient: red the age, green its complement.
    void SetUp() override {
        cShaderFixture::SetUp();
        gas_ = texture(GL_TEXTURE_2D, 16, 64,
                       picture(16, 64, [](int, int y) { return rgb(255, 255, y * 4 + 2); }));
        gradient_ =
            texture(GL_TEXTURE_2D, 64, 16,
                    picture(64, 16, [](int x, int) { return rgb(x * 4 + 2, 253 - x * 4, 255); }));
        ensure_shader<cShdFlare>("flare_shader");
    }

    // The sheet over the whole picture, additive over black, as the sun draws its flares.
    tPixels draw(float uvshift, float alpha) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        cShaderParameter<float> shift(uvshift);
        shader_manager().set_parameter("flare_shader", 1, &shift);
        shader_manager().bind("flare_shader");
        ext::glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, gradient_);
        ext::glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, gas_);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        begin_ortho();
        glColor4f(1, 1, 1, alpha);
        quad_unit();
        end_ortho();
        glDisable(GL_BLEND);
        shader_manager().unbind();
        return read_view();
    }

    GLuint gas_ = 0, gradient_ = 0;
};

} // namespace

TEST_F(FlareProgramTest, GasSlidesWithUvshiftAndTakesTheGradientOfItsAge) {
    const struct {
        float uvshift, alpha, v;
        int red, green, blue; // -1: nothing drawn there
    } cases[] = {
        {0.0f, 1.0f, 0.75f, 128, 127, 191}, // mid-life: the gas as it is, mid gradient
        {-0.5f, 1.0f, 0.25f, 64, 191, 191}, // young: the gas's far end near the sheet's start
        {-0.5f, 1.0f, 0.75f, -1, -1, -1},   // ... and nothing ahead of it
        {0.5f, 1.0f, 0.25f, -1, -1, -1},    // old: the gas has left the start
        {0.5f, 1.0f, 0.75f, 191, 64, 64},   // ... its near end at the far side, red
        {0.0f, 0.5f, 0.75f, 64, 64, 96},    // the flare's alpha fades it
    };
    for (const auto& c : cases) {
        const tPixels p = draw(c.uvshift, c.alpha);
        const int x = kViewWidth / 2, y = int(c.v * kViewHeight);
        const int want[3] = {std::max(c.red, 0), std::max(c.green, 0), std::max(c.blue, 0)};
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(at(p, x, y, k), want[k], 8)
                << "uvshift " << c.uvshift << " alpha " << c.alpha << " v " << c.v << " ch " << k;
    }
}
