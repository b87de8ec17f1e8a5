#include "ShaderFixture.h"

#include "render/ShaderRegistry.h"

#include "shaders/cShdBlurTex.h"
#include "shaders/cShdEdgeDetect.h"
#include "shaders/cShdFlare.h"
#include "shaders/cShdHorzResampleQuater.h"
#include "shaders/cShdLightmap.h"
#include "shaders/cShdMasked.h"
#include "shaders/cShdNotex.h"
#include "shaders/cShdPostColDodge.h"
#include "shaders/cShdPostColDodgeMasked.h"
#include "shaders/cShdPostSpillAdd.h"
#include "shaders/cShdXray.h"

namespace {

std::vector<int> channel(const tPixels& rgba, int c) {
    std::vector<int> out;
    for (size_t i = c; i < rgba.size(); i += 4)
        out.push_back(rgba[i]);
    return out;
}

// Every value within one step of the expected one: 8-bit rounding on the way out.
void expect_near(const std::vector<int>& got, const std::vector<int>& want, const char* what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1) << what << " at " << i;
}

class ShaderProgramsTest : public cShaderFixture {
protected:
    // Binds the program (registering it first) and sends it its record: floats or one float.
    template <class T> void use(const std::string& name, std::vector<float> values = {}) {
        ensure_shader<T>(name);
        if (!values.empty()) {
            cShaderParameter<float*> parameter(values.data());
            shader_manager().set_parameter(name, 1, &parameter);
        }
        shader_manager().bind(name);
    }
    template <class T> void use(const std::string& name, float value) {
        use<T>(name);
        cShaderParameter<float> parameter(value);
        shader_manager().set_parameter(name, 1, &parameter);
    }
};

} // namespace

// The programs no drawing test reaches; every other one fails its own test when it breaks.
TEST_F(ShaderProgramsTest, ProgramsWithoutAPictureTestCompileAndLink) {
    cCapture capture;
    use<cShdEdgeDetect>("edge_shader");
    EXPECT_NE(gl_program(), 0);
    use<cShdFlare>("flare_shader");
    EXPECT_NE(gl_program(), 0);
    use<cShdNotex>("notex_shader");
    EXPECT_NE(gl_program(), 0);
    EXPECT_EQ(capture.err(), "");
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(ShaderProgramsTest, BlurSpreadsABrightTexelSymmetricallyAlongItsDirectionOnly) {
    constexpr int kSize = 21, kMid = 10;
    tPixels image(kSize * kSize * 4, 0);
    for (int i = 3; i < kSize * kSize * 4; i += 4)
        image[i] = 255;
    std::fill_n(image.begin() + (kMid * kSize + kMid) * 4, 3, 255);
    rect_on(0, kSize, kSize, image);
    for (const bool rows : {true, false}) {
        use<cShdBlurTex>("blur_shader", rows ? std::vector<float>{1, 0} : std::vector<float>{0, 1});
        const std::vector<int> red = channel(draw(kSize, kSize, kSize, kSize), 0);
        auto at = [&](int along, int across) {
            return rows ? red[across * kSize + along] : red[along * kSize + across];
        };
        int sum = 0;
        for (int i = 0; i < kSize; ++i) {
            sum += at(i, kMid);
            EXPECT_EQ(at(i, kMid), at(2 * kMid - i, kMid)) << i;
            EXPECT_EQ(at(i, kMid - 1), 0) << "spread across the direction at " << i;
        }
        EXPECT_NEAR(sum, 255, 8);
        EXPECT_LT(at(kMid, kMid), 64);
        EXPECT_GT(at(kMid + 5, kMid), 0) << "a blur of real width";
        EXPECT_EQ(at(kMid + 8, kMid), 0);
    }
}

TEST_F(ShaderProgramsTest, QuarterResampleAveragesEachFourTexels) {
    // Groups whose average differs from that of their middle pair; the second row reversed.
    const std::vector<int> row = {200, 0, 0, 0, 0, 0, 0, 200, 40, 80, 200, 160, 255, 255, 255, 0};
    tPixels image;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < 16; ++i) {
            const uint8_t v = uint8_t(row[pass ? 15 - i : i]);
            image.insert(image.end(), {v, v, v, 255});
        }
    rect_on(0, 16, 2, image);
    use<cShdHorzResampleQuater>("horz_quater_resample_shader");
    expect_near(channel(draw(4, 2, 16, 2), 2), {50, 50, 120, 191, 191, 120, 50, 50}, "average");
}

TEST_F(ShaderProgramsTest, TwoImageCombines) {
    // Per texel: the picture on unit 0, the second image on unit 1.
    const tPixels a = {100, 50, 200, 255, 100, 100, 100, 255};
    const tPixels b = {100, 250, 100, 255, 0, 128, 255, 0};
    rect_on(0, 2, 1, a);
    rect_on(1, 2, 1, b);
    const struct {
        void (ShaderProgramsTest::*use)(const std::string&, std::vector<float>);
        const char* name;
        std::vector<int> rgb;
    } cases[] = {
        {&ShaderProgramsTest::use<cShdPostSpillAdd>,
         "spill_shader",
         {200, 255, 255, 100, 228, 255}},
        {&ShaderProgramsTest::use<cShdPostColDodge>,
         "coldodge_shader",
         {164, 255, 255, 100, 201, 255}},
        {&ShaderProgramsTest::use<cShdPostColDodgeMasked>,
         "coldodge_mask_shader",
         {164, 255, 255, 100, 100, 100}}, // second texel: alpha 0
    };
    for (const auto& c : cases) {
        (this->*c.use)(c.name, {});
        const tPixels out = draw(2, 1, 2, 1, 2, 1);
        expect_near({out[0], out[1], out[2], out[4], out[5], out[6]}, c.rgb, c.name);
    }
}

TEST_F(ShaderProgramsTest, MaskGivesTheImageItsAlpha) {
    rect_on(0, 2, 1, {200, 100, 50, 255, 200, 100, 50, 255});
    const tPixels mask = {0, 0, 0, 255, 255, 255, 255, 255, 0, 0, 0, 255, 255, 255, 255, 255};
    on_unit(1, GL_TEXTURE_2D, texture(GL_TEXTURE_2D, 2, 2, mask));
    use<cShdMasked>("mask_shader");
    const tPixels out = draw(2, 1, 2, 1, 1, 1, true); // over black
    expect_near({out[0], out[1], out[2], out[4], out[5], out[6]}, {0, 0, 0, 200, 100, 50}, "mask");
}

TEST_F(ShaderProgramsTest, SceneProgramsFollowTheirParameter) {
    on_unit(0, GL_TEXTURE_2D, texture(GL_TEXTURE_2D, 1, 1, {255, 0, 0, 255}));
    on_unit(1, GL_TEXTURE_2D, texture(GL_TEXTURE_2D, 1, 1, {0, 255, 0, 255}));
    use<cShdLightmap>("lightmap_shader", 0.25f);
    tPixels out = draw(1, 1, 1, 1);
    expect_near({out[0], out[1], out[2]}, {191, 64, 0}, "lightmap");
    glNormal3f(0, 0, 1); // facing the viewer: no rim
    for (const float inv : {0.0f, 1.0f}) {
        use<cShdXray>("xray_shader", inv);
        out = draw(1, 1, 1, 1);
        expect_near({out[0], out[1], out[2]}, std::vector<int>(3, int(255 * inv)), "xray");
    }
}
