#include "ShaderFixture.h"

#include "shaders/cShdBlurTex.h"
#include "shaders/cShdCorrection.h"
#include "shaders/cShdEdgeDetect.h"
#include "shaders/cShdFlare.h"
#include "shaders/cShdHorzResampleQuater.h"
#include "shaders/cShdLevels.h"
#include "shaders/cShdLightmap.h"
#include "shaders/cShdMasked.h"
#include "shaders/cShdMorphDS.h"
#include "shaders/cShdNotex.h"
#include "shaders/cShdPostColDodge.h"
#include "shaders/cShdPostColDodgeMasked.h"
#include "shaders/cShdPostHSB.h"
#include "shaders/cShdPostSpillAdd.h"
#include "shaders/cShdXray.h"

#include <cstdlib>
#include <numeric>

namespace {

template <class T> void add(const char* name) {
    shader_manager().register_shader<T>(name);
}

const struct {
    const char* name;
    void (*add)(const char*);
} kCatalogue[] = {
    {"horz_quater_resample_shader", add<cShdHorzResampleQuater>},
    {"spill_shader", add<cShdPostSpillAdd>},
    {"coldodge_shader", add<cShdPostColDodge>},
    {"coldodge_mask_shader", add<cShdPostColDodgeMasked>},
    {"blur_shader", add<cShdBlurTex>},
    {"color_correction_shader", add<cShdCorrection>},
    {"hsb_shader", add<cShdPostHSB>},
    {"levels_shader", add<cShdLevels>},
    {"mask_shader", add<cShdMasked>},
    {"lightmap_shader", add<cShdLightmap>},
    {"edge_shader", add<cShdEdgeDetect>},
    {"xray_shader", add<cShdXray>},
    {"notex_shader", add<cShdNotex>},
    {"flare_shader", add<cShdFlare>},
    {"morph_shader", add<cShdMorphDS>},
};

void add_by_name(const std::string& name) {
    for (const auto& entry : kCatalogue)
        if (name == entry.name)
            entry.add(entry.name);
}

tPixels grey_row(std::initializer_list<int> values) {
    tPixels rgba;
    for (int v : values)
        rgba.insert(rgba.end(), {uint8_t(v), uint8_t(v), uint8_t(v), 255});
    return rgba;
}

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
    // Binds the named program (registering it first) and sends it an array parameter.
    void use(const std::string& name, std::vector<float> values = {}) {
        if (!shader_manager().find(name))
            add_by_name(name);
        if (!values.empty()) {
            cShaderParameter<float*> parameter(values.data());
            shader_manager().set_parameter(name, 1, &parameter);
        }
        shader_manager().bind(name);
    }
    void use(const std::string& name, float value) {
        use(name);
        cShaderParameter<float> parameter(value);
        shader_manager().set_parameter(name, 1, &parameter);
    }
};

} // namespace

TEST_F(ShaderProgramsTest, EveryCatalogueProgramCompilesAndLinks) {
    cCapture capture;
    std::vector<GLint> programs;
    for (const auto& entry : kCatalogue) {
        use(entry.name);
        EXPECT_EQ(shader_manager().current(), entry.name);
        EXPECT_NE(gl_program(), 0) << entry.name;
        programs.push_back(gl_program());
    }
    std::sort(programs.begin(), programs.end());
    EXPECT_EQ(std::unique(programs.begin(), programs.end()), programs.end());
    EXPECT_EQ(capture.err(), "");
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(ShaderProgramsTest, LevelsCurve) {
    on_unit(0, GL_TEXTURE_RECTANGLE_ARB, rect(4, 1, grey_row({0, 64, 128, 255})));
    const struct {
        std::vector<float> levels;
        std::vector<int> out;
    } cases[] = {
        {{0, 255, 1, 0, 255}, {0, 64, 128, 255}},
        {{64, 192, 1, 0, 255}, {0, 0, 128, 255}},
        {{0, 255, 2, 0, 255}, {0, 128, 181, 255}},
        {{0, 255, 1, 50, 200}, {50, 88, 125, 200}},
    };
    for (const auto& c : cases) {
        use("levels_shader", c.levels);
        expect_near(channel(draw(4, 1, 4, 1), 1), c.out, "levels");
    }
}

TEST_F(ShaderProgramsTest, HueSaturationBrightness) {
    on_unit(0, GL_TEXTURE_RECTANGLE_ARB, rect(1, 1, {204, 77, 77, 255}));
    const struct {
        std::vector<float> hsb;
        std::vector<int> rgb;
    } cases[] = {
        {{0, 0, 0}, {204, 77, 77}},      // identity
        {{180, 0, 0}, {77, 204, 204}},   // the complement
        {{-180, 0, 0}, {77, 204, 204}},  //
        {{120, 0, 0}, {77, 77, 204}},    // a third of a turn, to blue
        {{0, -100, 0}, {140, 140, 140}}, // grey of the same lightness
        {{0, 0, 20}, {227, 156, 156}},   // lighter, same saturation
    };
    for (const auto& c : cases) {
        use("hsb_shader", c.hsb);
        const tPixels out = draw(1, 1, 1, 1);
        expect_near({out[0], out[1], out[2]}, c.rgb, "hsb");
    }
}

TEST_F(ShaderProgramsTest, BlurSpreadsABrightTexelSymmetricallyAlongItsDirectionOnly) {
    constexpr int kSize = 21, kMid = 10;
    tPixels image(kSize * kSize * 4, 0);
    for (int i = 3; i < kSize * kSize * 4; i += 4)
        image[i] = 255;
    std::fill_n(image.begin() + (kMid * kSize + kMid) * 4, 3, 255);
    on_unit(0, GL_TEXTURE_RECTANGLE_ARB, rect(kSize, kSize, image));
    for (const bool rows : {true, false}) {
        use("blur_shader", rows ? std::vector<float>{1, 0} : std::vector<float>{0, 1});
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
    on_unit(0, GL_TEXTURE_RECTANGLE_ARB, rect(16, 2, image));
    use("horz_quater_resample_shader");
    expect_near(channel(draw(4, 2, 16, 2), 2), {50, 50, 120, 191, 191, 120, 50, 50}, "average");
}

TEST_F(ShaderProgramsTest, TwoImageCombines) {
    // Per texel: the picture on unit 0, the second image on unit 1.
    const tPixels a = {100, 50, 200, 255, 100, 100, 100, 255};
    const tPixels b = {100, 250, 100, 255, 0, 128, 255, 0};
    on_unit(0, GL_TEXTURE_RECTANGLE_ARB, rect(2, 1, a));
    on_unit(1, GL_TEXTURE_RECTANGLE_ARB, rect(2, 1, b));
    const struct {
        const char* name;
        std::vector<int> rgb;
    } cases[] = {
        {"spill_shader", {200, 255, 255, 100, 228, 255}},
        {"coldodge_shader", {164, 255, 255, 100, 201, 255}},
        {"coldodge_mask_shader", {164, 255, 255, 100, 100, 100}}, // second texel: alpha 0
    };
    for (const auto& c : cases) {
        use(c.name);
        const tPixels out = draw(2, 1, 2, 1, 2, 1);
        expect_near({out[0], out[1], out[2], out[4], out[5], out[6]}, c.rgb, c.name);
    }
}

TEST_F(ShaderProgramsTest, CorrectionLooksEachChannelUpInTheTable) {
    on_unit(0, GL_TEXTURE_RECTANGLE_ARB, rect(4, 1, grey_row({0, 64, 128, 255})));
    tPixels table;
    for (int i = 0; i < 256; ++i) // red kept, green inverted, blue halved
        table.insert(table.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 255});
    on_unit(1, GL_TEXTURE_1D, texture(GL_TEXTURE_1D, 256, 1, table));
    use("color_correction_shader");
    const tPixels out = draw(4, 1, 4, 1);
    expect_near(channel(out, 0), {0, 64, 128, 255}, "red");
    expect_near(channel(out, 1), {255, 191, 127, 0}, "green");
    expect_near(channel(out, 2), {0, 32, 64, 127}, "blue");
}

TEST_F(ShaderProgramsTest, MaskGivesTheImageItsAlpha) {
    on_unit(0, GL_TEXTURE_RECTANGLE_ARB, rect(2, 1, {200, 100, 50, 255, 200, 100, 50, 255}));
    const tPixels mask = {0, 0, 0, 255, 255, 255, 255, 255, 0, 0, 0, 255, 255, 255, 255, 255};
    on_unit(1, GL_TEXTURE_2D, texture(GL_TEXTURE_2D, 2, 2, mask));
    use("mask_shader");
    const tPixels out = draw(2, 1, 2, 1, 1, 1, true); // over black
    expect_near({out[0], out[1], out[2], out[4], out[5], out[6]}, {0, 0, 0, 200, 100, 50}, "mask");
}

TEST_F(ShaderProgramsTest, SceneProgramsFollowTheirParameter) {
    on_unit(0, GL_TEXTURE_2D, texture(GL_TEXTURE_2D, 1, 1, {255, 0, 0, 255}));
    on_unit(1, GL_TEXTURE_2D, texture(GL_TEXTURE_2D, 1, 1, {0, 255, 0, 255}));
    use("lightmap_shader", 0.25f);
    tPixels out = draw(1, 1, 1, 1);
    expect_near({out[0], out[1], out[2]}, {191, 64, 0}, "lightmap");
    glNormal3f(0, 0, 1); // facing the viewer: no rim
    for (const float inv : {0.0f, 1.0f}) {
        use("xray_shader", inv);
        out = draw(1, 1, 1, 1);
        expect_near({out[0], out[1], out[2]}, std::vector<int>(3, int(255 * inv)), "xray");
    }
}
