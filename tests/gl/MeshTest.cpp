#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "mesh_files/cMeshMorph.h"
#include "render/GlExtensions.h"
#include "render/cShaderManager_CG.h"
#include "support/BzObjBlock.h"
#include "support/Capture.h"
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
    // The morph's shader, and squares right and left of the centre.
    void morph_files() {
        start_shaders();
        write_bzobj(dir_.path("right.bzobj"), square(0, 1));
        write_bzobj(dir_.path("left.bzobj"), square(-1, 0));
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

TEST_F(MeshTest, AnUnknownBufferKindEndsTheProgram) {
    auto mesh = load(two_colour_square());
    EXPECT_EXIT(mesh->get_vbo(4), ::testing::ExitedWithCode(255), "Unknown vbo\\. Exiting");
}

TEST_F(MeshTest, RefilledBuffersAreDynamicAndWrittenThroughAMapping) {
    cVBO vbo(3);
    vbo.size_for_refill(2);
    auto* data = static_cast<float*>(vbo.map_for_writing());
    ASSERT_NE(data, nullptr);
    for (int i = 0; i < 6; ++i)
        data[i] = static_cast<float>(i);
    vbo.unmap();
    // Read back through entry points the demo itself never needs.
    auto get_data = reinterpret_cast<PFNGLGETBUFFERSUBDATAARBPROC>(
        SDL_GL_GetProcAddress("glGetBufferSubDataARB"));
    auto get_parameter = reinterpret_cast<PFNGLGETBUFFERPARAMETERIVARBPROC>(
        SDL_GL_GetProcAddress("glGetBufferParameterivARB"));
    float back[6] = {};
    vbo.bind();
    get_data(GL_ARRAY_BUFFER, 0, sizeof back, back);
    EXPECT_FLOAT_EQ(back[5], 5.0f);
    GLint usage = 0;
    get_parameter(GL_ARRAY_BUFFER, GL_BUFFER_USAGE, &usage);
    EXPECT_EQ(usage, GL_DYNAMIC_DRAW);
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
}

TEST_F(MeshTest, MorphWeightMovesTheBaseShapeOntoTheTarget) {
    morph_files();
    glEnable(GL_LIGHT0);
    cMeshMorph morph;
    morph.load("right.bzobj", "left.bzobj");
    morph.upload(true);
    morph.set_weight(0.0f);
    draw(morph);
    EXPECT_TRUE(lit(900, 320));
    EXPECT_FALSE(lit(100, 320));
    morph.set_weight(1.0f);
    draw(morph);
    EXPECT_FALSE(lit(900, 320));
    EXPECT_TRUE(lit(100, 320));
    morph.set_weight(0.5f); // halfway: the square spans -0.5..0.5
    draw(morph);
    EXPECT_TRUE(lit(512, 320));
    EXPECT_FALSE(lit(100, 320));
    EXPECT_FALSE(lit(900, 320));
    EXPECT_EQ(shader_manager().current(), "null_shader"); // the shader stack is restored
}

TEST_F(MeshTest, MorphLoadedAgainKeepsTheFirstShader) {
    morph_files();
    cMeshMorph morph;
    morph.load("right.bzobj", "left.bzobj");
    cCapture capture;
    morph.load("left.bzobj", "right.bzobj");
    EXPECT_EQ(capture.err(), "# warning: shader \"morph_shader\" already exists! Skipping...\n");
    EXPECT_EQ(morph.base()->positions[0], -1.0f);
}
