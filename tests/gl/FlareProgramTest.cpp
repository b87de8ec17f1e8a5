// The flare program on known pictures: the gas slides along the sheet's v by uvshift and is
// cut where it has slid off, the gradient on unit 1 colours it by the flare's age, and the
// per-flare colour's alpha fades it; what a viewer sees as a flare rising and cooling. A sheet
// drawn only where its gas can show draws the same picture.
#include "ShaderFixture.h"

#include "mesh_files/cBandedMesh.h"
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
        return draw(uvshift, alpha, [] { quad_unit(); });
    }

    template <class tDraw> tPixels draw(float uvshift, float alpha, tDraw&& sheet) {
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
        sheet();
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

// The unit square in rows along v, the rows' triangles stored out of order.
std::unique_ptr<cMeshObj> sheet_in_rows(int rows) {
    auto mesh = std::make_unique<cMeshObj>();
    mesh->flags = cMeshObj_data::kTexCoords;
    for (int r = 0; r <= rows; ++r)
        for (float u : {0.0f, 1.0f}) {
            const float v = static_cast<float>(r) / static_cast<float>(rows);
            mesh->positions.insert(mesh->positions.end(), {u, v, 0});
            mesh->normals.insert(mesh->normals.end(), {0, 0, 1});
            mesh->texcoords.insert(mesh->texcoords.end(), {u, v});
        }
    for (int k = 0; k < rows; ++k) {
        const uint32_t i = static_cast<uint32_t>(2 * ((k * 5) % rows)); // 5 is prime to rows
        mesh->indices.insert(mesh->indices.end(), {i, i + 1, i + 3, i, i + 3, i + 2});
    }
    return mesh;
}

// Leaving out the triangles outside the gas's band must not change one pixel.
TEST_F(FlareProgramTest, BandedSheetDrawsWhatTheWholeSheetDraws) {
    constexpr int kRows = 12;
    auto whole = sheet_in_rows(kRows);
    whole->upload(false);
    cBandedMesh banded(sheet_in_rows(kRows));
    for (float shift : {-0.93f, -0.55f, -0.3f, 0.0f, 0.21f, 0.61f, 0.97f}) {
        const tPixels want = draw(shift, 1, [&] { whole->draw(); });
        const tPixels got = draw(shift, 1, [&] { banded.draw(shift, shift + 1); });
        EXPECT_EQ(got, want) << "uvshift " << shift;
        const int drawn = banded.triangles(shift, shift + 1).second;
        EXPECT_LE(drawn, 2 * static_cast<int>((1 - std::abs(shift)) * kRows + 2)) << shift;
    }
    EXPECT_EQ(banded.triangles(1.5f, 2.5f).second, 0) << "a band past the sheet draws nothing";
}
