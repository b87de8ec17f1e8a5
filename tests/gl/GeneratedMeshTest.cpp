// Meshes made by the content pipeline's shape builders, written as ".bzobj"
// files and drawn by the demo's own loader and meshes under a lit camera:
// the pipeline and the reader agree on what a finished mesh looks like.
#include "base/cResourcePath.h"
#include "cBakeShapes.h"
#include "cBzObjWriter.h"
#include "geometry/cCamera.h"
#include "mesh_files/BzObjLoader.h"
#include "mesh_files/cMeshMorph.h"
#include "render/cShaderManager_CG.h"
#include "support/Capture.h"
#include "support/GlWindow.h"
#include "support/TestAudio.h"

#include <memory>

namespace {

cMaterial lit(const char* name, float r, float g, float b) {
    cMaterial m(name);
    const float colour[4] = {r, g, b, 1};
    std::copy(colour, colour + 4, m.diffuse);
    std::copy(colour, colour + 4, m.ambient);
    std::fill(m.specular, m.specular + 3, 0.6f);
    m.shininess = 40;
    m.illumination = 2;
    return m;
}

class GeneratedMeshTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        start_shaders();
        resource_path().push_searchpath(dir_.path(""));
    }
    // A camera above and in front, one white light from the upper left.
    void look() {
        glClearColor(0.05f, 0.05f, 0.08f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        cCamera camera;
        reset_camera(camera);
        camera.eye = {0, 2.5f, 4.5f};
        camera.up = {0, 1, 0};
        camera.fov = 45;
        apply_camera(camera);
        const float position[4] = {-3, 4, 3, 0}, white[4] = {1, 1, 1, 1};
        glLightfv(GL_LIGHT0, GL_POSITION, position);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
        glLightfv(GL_LIGHT0, GL_SPECULAR, white);
        glEnable(GL_LIGHT0);
    }
    int count_pixels(bool (*match)(const std::array<int, 4>&)) {
        int n = 0;
        for (int y = 0; y < 640; y += 8)
            for (int x = 0; x < 1024; x += 8)
                n += match(pixel(x, y));
        return n;
    }

    TempDir dir_;
};

bool reddish(const std::array<int, 4>& p) {
    return p[0] > 80 && p[0] > 2 * p[2];
}
bool bluish(const std::array<int, 4>& p) {
    return p[2] > 80 && p[2] > 2 * p[0];
}

} // namespace

TEST_F(GeneratedMeshTest, ATorusOnABlockDrawsBothMaterials) {
    cBakeMesh mesh;
    mesh.add_group(cBakeShapes::torus(1.0f, 0.35f, 48, 24).rotate({1, 0, 0}, 70),
                   lit("copper", 0.9f, 0.35f, 0.15f));
    mesh.add_group(cBakeShapes::box({3.2f, 0.3f, 2.0f}).translate({0, -1.1f, 0}),
                   lit("slate", 0.2f, 0.35f, 0.85f));
    cBzObjWriter::write(mesh, dir_.path("torus.bzobj"));
    std::unique_ptr<cMeshObj> loaded(BzObjLoader::create("torus.bzobj"));
    ASSERT_EQ(loaded->materials.size(), 2u);
    loaded->upload(true);
    look();
    loaded->draw();
    save_window(saved_cwd_ + "/generated_mesh.png");
    EXPECT_GT(count_pixels(reddish), 200);
    EXPECT_GT(count_pixels(bluish), 200);
}

TEST_F(GeneratedMeshTest, ASphereMorphsIntoAFlattenedDisc) {
    const cBakeMesh ball = cBakeShapes::sphere(1.0f, 48, 24);
    cBakeMesh disc = ball;
    disc.scale({1.8f, 0.25f, 1.8f});
    cBzObjWriter::write(ball, dir_.path("ball.bzobj"));
    cBzObjWriter::write(disc, dir_.path("disc.bzobj"));
    cMeshMorph morph;
    morph.load("ball.bzobj", "disc.bzobj");
    morph.upload(true);
    const float grey[4] = {0.7f, 0.7f, 0.75f, 1};
    int lit_at[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        look();
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, grey);
        morph.set_weight(static_cast<float>(i));
        morph.draw();
        save_window(saved_cwd_ + (i ? "/morph_1.png" : "/morph_0.png"));
        lit_at[i] = count_pixels([](const std::array<int, 4>& p) { return p[0] > 60; });
        // The ball reaches the picture's centre row; the wide disc reaches far to the side.
        EXPECT_EQ(pixel(512, 320)[0] > 60, true) << i;
        EXPECT_EQ(pixel(300, 280)[0] > 60, i == 1);
    }
    EXPECT_NE(lit_at[0], lit_at[1]);
}
