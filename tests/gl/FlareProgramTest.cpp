// The flare program on known pictures: the gas slides along the sheet's v by uvshift and is
// cut where it has slid off, the gradient on unit 1 colours it by the flare's age, and the
// per-flare colour's alpha fades it; what a viewer sees as a flare rising and cooling. A sheet
// drawn only where its gas can show, or without the triangles the sun's body hides, draws the
// same picture.
#include "ShaderFixture.h"

#include "mesh_files/cBandedMesh.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cShaderParameter.h"
#include "scenes/sun/cSunShadow.h"
#include "shaders/cShdFlare.h"

#include <GL/glu.h>
#include <cmath>

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

    // The flare program with this shift, its gas and gradient pictures, added by alpha.
    void bind_flare(float uvshift) {
        cShaderParameter<float> shift(uvshift);
        shader_manager().set_parameter("flare_shader", 1, &shift);
        shader_manager().bind("flare_shader");
        ext::glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, gradient_);
        ext::glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, gas_);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }

    template <class tDraw> tPixels draw(float uvshift, float alpha, tDraw&& sheet) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        bind_flare(uvshift);
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

// A closed ball of radius 1 about the origin, `rings` by `segments` quads wound outward.
std::unique_ptr<cMeshObj> ball(int rings, int segments) {
    auto mesh = std::make_unique<cMeshObj>();
    for (int r = 0; r <= rings; ++r)
        for (int s = 0; s <= segments; ++s) {
            const float lat = 3.14159265f * (float(r) / rings - 0.5f);
            const float lon = 2 * 3.14159265f * float(s) / segments;
            const float x = std::cos(lat) * std::cos(lon), y = std::sin(lat),
                        z = -std::cos(lat) * std::sin(lon);
            mesh->positions.insert(mesh->positions.end(), {x, y, z});
            mesh->normals.insert(mesh->normals.end(), {x, y, z});
        }
    for (int r = 0; r < rings; ++r)
        for (int s = 0; s < segments; ++s) {
            const auto i = static_cast<uint32_t>(r * (segments + 1) + s), j = i + segments + 1;
            mesh->indices.insert(mesh->indices.end(), {i, i + 1, j + 1, i, j + 1, j});
        }
    return mesh;
}

// A 2.6-unit square of 24 x 24 quads at z = -0.4 (v up its height), turned about x, half
// behind the ball as seen from +z, its feet inside it.
std::unique_ptr<cMeshObj> sheet_around_ball() {
    auto mesh = std::make_unique<cMeshObj>();
    mesh->flags = cMeshObj_data::kTexCoords;
    constexpr int kQuads = 24;
    for (int r = 0; r <= kQuads; ++r)
        for (int c = 0; c <= kQuads; ++c) {
            const float u = float(c) / kQuads, v = float(r) / kQuads;
            const float y = 2.6f * v - 1.3f;
            mesh->positions.insert(mesh->positions.end(), {2.6f * u - 1.3f, y, -0.4f + 0.3f * y});
            mesh->normals.insert(mesh->normals.end(), {0, 0, 1});
            mesh->texcoords.insert(mesh->texcoords.end(), {u, v});
        }
    for (int r = 0; r < kQuads; ++r)
        for (int c = 0; c < kQuads; ++c) {
            const auto i = static_cast<uint32_t>(r * (kQuads + 1) + c), j = i + kQuads + 1;
            mesh->indices.insert(mesh->indices.end(), {i, i + 1, j + 1, i, j + 1, j});
        }
    return mesh;
}

// The ball drawn opaque with depth, the sheet added over it: the triangles the ball hides from
// the eye are left out without a pixel changing, turned or not; with the depth test off
// nothing counts as hidden.
TEST_F(FlareProgramTest, TrianglesTheBodyHidesAreLeftOutWithoutChangingAPixel) {
    auto body = ball(24, 48);
    const cSunShadow shadow_of(*body);
    EXPECT_NEAR(shadow_of.body_radius(), 0.99f, 0.01f);
    body->upload(false);
    cBandedMesh sheet(sheet_around_ball());
    const std::array<float, 16> turns[2] = {
        {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
        {0.8f, 0, -0.6f, 0, 0, 1, 0, 0, 0.6f, 0, 0.8f, 0, 0, 0, 0, 1}};
    for (const auto& turn : turns) {
        cSunShadow shadow(*body);
        std::vector<uint8_t> hidden;
        auto drawn = [&](bool skip) {
            glDepthMask(GL_TRUE);
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            gluPerspective(50, 1.6, 0.1, 100);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            gluLookAt(0.3, 0.2, 5, 0, 0, 0, 0, 1, 0);
            glEnable(GL_DEPTH_TEST);
            ext::glActiveTexture(GL_TEXTURE0);
            glBindTexture(GL_TEXTURE_2D, 0); // the body plain grey
            glColor4f(0.2f, 0.2f, 0.2f, 1);
            body->draw();
            glDepthMask(GL_FALSE);
            const bool shadowed = skip && shadow.look();
            glMultMatrixf(turn.data());
            if (shadowed)
                shadow.mark(sheet.positions(), turn, hidden);
            bind_flare(0);
            glColor4f(1, 1, 1, 1);
            if (shadowed)
                sheet.draw(-1, 2, hidden);
            else
                sheet.draw(-1, 2);
            glDisable(GL_BLEND);
            shader_manager().unbind();
            const tPixels p = read_view();
            glDepthMask(GL_TRUE);
            return std::make_pair(p, shadowed);
        };
        const auto [whole, none] = drawn(false);
        const auto [skipped, shadowed] = drawn(true);
        ASSERT_TRUE(shadowed);
        EXPECT_TRUE(skipped == whole);
        const auto all = static_cast<int>(std::count(hidden.begin(), hidden.end(), 1));
        EXPECT_GT(all, 625 / 5) << "a fifth of the sheet's corners lie behind the ball";
        EXPECT_LT(all, 625 * 4 / 5);
    }
    glDisable(GL_DEPTH_TEST);
    cSunShadow flat(*body);
    EXPECT_FALSE(flat.look());
}
