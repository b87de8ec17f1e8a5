#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "render/GlExtensions.h"
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

class MeshTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        resource_path().push_searchpath(dir_.path(""));
    }
    std::unique_ptr<cMeshObj> load(const cBzObjBlock& block, int64_t raw_size = -1) {
        write_bzobj(dir_.path("square.bzobj"), block, raw_size);
        return std::unique_ptr<cMeshObj>(BzObjLoader::create("square.bzobj"));
    }
    void draw(cMeshObj& mesh) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        flat_projection();
        mesh.draw();
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
    EXPECT_EXIT(mesh->get_vbo(4), ::testing::ExitedWithCode(255),
                "# ERROR in ..\\\\src\\\\mesh_files\\\\cMeshObj line 152: Unknown vbo. Exiting...");
}

TEST_F(MeshTest, RefilledBuffersAreDynamicAndWrittenThroughAMapping) {
    cVBO vbo(3);
    EXPECT_EQ(vbo.usage, static_cast<GLenum>(GL_STATIC_DRAW));
    vbo.size_for_refill(2);
    EXPECT_EQ(vbo.usage, static_cast<GLenum>(GL_DYNAMIC_DRAW));
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
