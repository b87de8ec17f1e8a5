#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "mesh_files/cMeshMorph.h"
#include "render/GlExtensions.h"
#include "render/cShaderManager_CG.h"
#include "support/BzObjBlock.h"
#include "support/GlWindow.h"
#include "support/TestAudio.h"

#include <memory>

namespace {

using tRgba = std::array<int, 4>;
const tRgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255};

// A square over the whole picture in two triangles: the lower right one in
// group 0 (red), the upper left one in group 1 (green), both self-lit.
cBzObjBlock two_colour_square(uint8_t flags = 0x10) {
    cBzObjBlock b;
    b.header(flags, 4, 2, 2).values({-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0});
    b.ints({0, 0, 1, 1, 2, 1}).ints({0, 1}); // triangles (0,1,2) and (0,2,3)
    b.material({"red", "", "", "", "", ""}, 0, 1.0f, {1, 0, 0, 1});
    b.material({"green", "", "", "", "", ""}, 0, 1.0f, {0, 1, 0, 1});
    return b;
}

// A lit square with normals toward the viewer, spanning x0..x1 over the
// picture's full height.
cBzObjBlock square(float x0, float x1) {
    cBzObjBlock b;
    b.header(0x02, 4, 2, 0).values({x0, -1, 0, x1, -1, 0, x1, 1, 0, x0, 1, 0});
    b.values({0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1});
    b.ints({0, 0, 1, 1, 2, 1}).ints({0, 0});
    return b;
}

class MeshTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        resource_path().push_searchpath(dir_.path(""));
    }
    std::unique_ptr<cMeshObj> load(const cBzObjBlock& block) {
        write_bzobj(dir_.path("square.bzobj"), block);
        return std::unique_ptr<cMeshObj>(BzObjLoader::create("square.bzobj"));
    }
    template <class tMesh> void draw(tMesh& mesh) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        flat_projection();
        mesh.draw();
    }
    static bool lit(int x, int y) {
        const auto p = pixel(x, y);
        return p[0] + p[1] + p[2] > 60;
    }

    TempDir dir_;
};

} // namespace

TEST_F(MeshTest, DrawsEachGroupWithItsOwnMaterial) {
    auto mesh = load(two_colour_square());
    ASSERT_EQ(mesh->group_starts, (std::vector<int32_t>{0, 3, 6}));
    mesh->upload(true);
    EXPECT_EQ(mesh->positions.size(), 1u); // the client copy is released
    draw(*mesh);
    EXPECT_EQ(pixel(1000, 20), kRed);
    EXPECT_EQ(pixel(20, 600), kGreen);
    // Drawing leaves no arrays enabled and unit 0 active.
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    GLint unit = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &unit);
    EXPECT_EQ(unit, GL_TEXTURE0);
}

TEST_F(MeshTest, WithoutMaterialsOneDrawUsesTheCallersMaterial) {
    auto mesh = load(two_colour_square());
    mesh->drop_materials();
    mesh->upload(true);
    const float blue[4] = {0, 0, 1, 1}, black[4] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, blue);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, black);
    draw(*mesh);
    EXPECT_EQ(pixel(1000, 20), kBlue);
    EXPECT_EQ(pixel(20, 600), kBlue);
}

TEST_F(MeshTest, MorphWeightMovesTheBaseShapeOntoTheTarget) {
    start_shaders();
    write_bzobj(dir_.path("right.bzobj"), square(0, 1));
    write_bzobj(dir_.path("left.bzobj"), square(-1, 0));
    glEnable(GL_LIGHT0);
    cMeshMorph morph;
    morph.load("right.bzobj", "left.bzobj");
    morph.upload(true);
    // Lit left and right; halfway the square spans -0.5..0.5 and lights the middle alone.
    for (const auto& [weight, left, right] :
         {std::tuple(0.0f, false, true), std::tuple(1.0f, true, false),
          std::tuple(0.5f, false, false)}) {
        morph.set_weight(weight);
        draw(morph);
        EXPECT_EQ(lit(100, 320), left) << weight;
        EXPECT_EQ(lit(900, 320), right) << weight;
    }
    EXPECT_TRUE(lit(512, 320));
    EXPECT_EQ(shader_manager().current(), "null_shader"); // the shader stack is restored
}
