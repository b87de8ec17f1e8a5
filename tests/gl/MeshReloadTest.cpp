// Reading a mesh file again while the demo runs: every mesh made from it takes the new shape in
// place, redone the way it was loaded, and a file that cannot be used changes nothing.
#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "mesh_files/cMeshFiles.h"
#include "platform/PathFunctions.h"
#include "support/BzObjBlock.h"
#include "support/GlWindow.h"
#include "support/TestAudio.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

using tRgba = std::array<int, 4>;
using tColours = std::array<tRgba, 3>; // the left half, the lower right, the upper right
const tRgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255};
const tRgba kDark{0, 0, 0, 0}; // the cleared picture
const tColours kLeftBlue{kBlue, kDark, kDark}, kRightBlue{kDark, kBlue, kBlue};

// The left half of the picture: four vertices, no materials.
cBzObjBlock left_square() {
    cBzObjBlock b;
    b.header(0, 4, 2, 0).values({-1, -1, 0, 0, -1, 0, 0, 1, 0, -1, 1, 0});
    return b.ints({0, 0, 1, 1, 2, 1}).ints({0, 0});
}

// The right half in two triangles of six vertices, the lower right one red and the upper left
// one green; `last` is the last index and `texture` the red one's diffuse texture.
cBzObjBlock right_triangles(int32_t last = 5, const std::string& texture = "") {
    cBzObjBlock b;
    b.header(0x10, 6, 2, 2).values({0, -1, 0, 1, -1, 0, 1, 1, 0, 0, -1, 0, 1, 1, 0, 0, 1, 0});
    b.ints({0, 3, 1, 3, 2, last - 2}).ints({0, 1});
    b.material({"red", "", texture, "", "", ""}, 0, 1.0f, {1, 0, 0, 1});
    return b.material({"green", "", "", "", "", ""}, 0, 1.0f, {0, 1, 0, 1});
}

class MeshReloadTest : public cGlWindow {
protected:
    // `mesh` drawn alone over a caller's material of pure blue.
    static tColours draw(cMeshObj& mesh) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        flat_projection();
        const float blue[4] = {0, 0, 1, 1}, black[4] = {0, 0, 0, 1};
        glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, blue);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, black);
        mesh.draw();
        return {pixel(250, 320), pixel(1000, 20), pixel(600, 600)};
    }
    // How many meshes took the file, checking the outcome and its reason.
    size_t reload(bool ok, const std::string& reason = "") {
        std::string error;
        size_t count = 99;
        EXPECT_EQ(mesh_files().reload(file_, &error, &count), ok);
        EXPECT_EQ(error, reason);
        return count;
    }
    long listed() const {
        const auto files = mesh_files().source_files();
        return std::count(files.begin(), files.end(), file_identity(file_));
    }

    TempDir dir_;
    const std::string file_ = dir_.path("reload.bzobj");
};

} // namespace

TEST_F(MeshReloadTest, EveryMeshOfTheFileTakesTheNewShapeAndABrokenFileChangesNothing) {
    resource_path().push_searchpath(dir_.path(""));
    write_bzobj(file_, left_square());
    auto plain = BzObjLoader::load_uploaded("reload.bzobj", false);
    auto coloured = BzObjLoader::load_uploaded("reload.bzobj", true, false);
    EXPECT_EQ(draw(*plain), kLeftBlue);
    EXPECT_EQ(listed(), 1);

    // Materials dropped and arrays released again, or kept as they were.
    write_bzobj(file_, right_triangles());
    EXPECT_EQ(reload(true), 2u);
    EXPECT_EQ(plain->positions.size(), 1u);
    EXPECT_EQ(coloured->positions.size(), 18u);
    EXPECT_EQ(draw(*plain), kRightBlue);
    EXPECT_EQ(draw(*coloured), (tColours{kDark, kRed, kGreen}));

    const std::pair<std::function<void()>, std::string> broken[] = {
        {[&] { fs::resize_file(file_, fs::file_size(file_) - 4); }, "compressed data cut short"},
        {[&] { write_bzobj(file_, right_triangles(6)); },
         "index 6 of triangle 1 beyond the vertex count"},
        {[&] { write_bzobj(file_, right_triangles(5, "gone.png")); }, "texture gone.png not found"},
        {[&] { fs::remove(file_); }, "cannot be opened"}};
    for (const auto& [damage, reason] : broken) {
        damage();
        EXPECT_EQ(reload(false, reason), 0u);
    }
    EXPECT_EQ(draw(*plain), kRightBlue);
    EXPECT_EQ(draw(*coloured), (tColours{kDark, kRed, kGreen}));

    // A destroyed mesh is left out; a file no mesh follows is not read at all.
    coloured.reset();
    write_bzobj(file_, left_square());
    EXPECT_EQ(reload(true), 1u);
    EXPECT_EQ(draw(*plain), kLeftBlue);
    plain.reset();
    EXPECT_EQ(listed(), 0);
    fs::remove(file_);
    EXPECT_EQ(reload(true), 0u);
}
