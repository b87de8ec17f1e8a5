// The texture manager on a real GL context: target choice, the once-only upload, the fatal
// exits, and broken files refused.
#include "base/cResourcePath.h"
#include "cBakeImage.h"
#include "frame/AppSetup.h"
#include "platform/PathFunctions.h"
#include "render/cTextureManager.h"
#include "support/Capture.h"
#include "support/GlWindow.h"
#include "support/TestAudio.h"

#include <GL/glext.h>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

class TextureManagerTest : public cGlWindow {
protected:
    void TearDown() override {
        cSingleton<cTextureManager>::destroy();
        cGlWindow::TearDown();
    }

    // An RGB picture whose bytes count up in sevens.
    std::string write_rgb(const std::string& name, int w, int h) {
        Bytes rgb(size_t(3 * w * h));
        for (size_t i = 0; i < rgb.size(); ++i)
            rgb[i] = uint8_t(i * 7);
        cBakeImage::save_png(dir_.path(name), w, h, 3, rgb);
        return dir_.path(name);
    }
    // A parameter of the texture, or of one of its levels.
    static GLint param(const cTextureDesc& t, GLenum name, GLint level = -1) {
        GLint value = -1;
        glBindTexture(t.target, t.id);
        level < 0 ? glGetTexParameteriv(t.target, name, &value)
                  : glGetTexLevelParameteriv(t.target, level, name, &value);
        glBindTexture(t.target, 0);
        return value;
    }
    static Bytes read_back(const cTextureDesc& t) {
        Bytes rgba(size_t(4 * t.width * t.height));
        glBindTexture(t.target, t.id);
        glGetTexImage(t.target, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        glBindTexture(t.target, 0);
        return rgba;
    }

    TempDir dir_;
};

TEST_F(TextureManagerTest, ChoosesTargetAndMipmapsByImageSize) {
    const struct {
        const char* name;
        int w, h;
        bool mipmaps;
        GLenum forced, target;
        GLint internal, min_filter, level1_width;
    } cases[] = {
        {"row.png", 256, 1, false, 0, GL_TEXTURE_1D, GL_RGB, GL_LINEAR, 0},
        {"row_mip.png", 256, 1, true, 0, GL_TEXTURE_1D, GL_RGB, GL_LINEAR_MIPMAP_LINEAR, 128},
        {"vga.png", 640, 480, true, 0, GL_TEXTURE_RECTANGLE_ARB, GL_RGBA, GL_LINEAR, 0},
        {"pot.png", 64, 32, true, 0, GL_TEXTURE_2D, GL_RGBA, GL_LINEAR_MIPMAP_LINEAR, 32},
        {"forced.png", 100, 60, false, GL_TEXTURE_2D, GL_TEXTURE_2D, GL_RGBA, GL_LINEAR, 0},
        {"forced_rect.png", 64, 64, true, GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_RECTANGLE_ARB,
         GL_RGBA, GL_LINEAR, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = write_rgb(c.name, c.w, c.h);
        glDisable(c.target);
        cCapture capture;
        const cTextureDesc t =
            texture_manager().get_texture(path, c.mipmaps, GL_CLAMP_TO_EDGE, c.forced);
        // The upload leaves the caller's texture state as it found it.
        EXPECT_FALSE(glIsEnabled(c.target));
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(bound, 0);
        EXPECT_EQ(std::vector<int>({t.target, t.width, t.height, param(t, GL_TEXTURE_WIDTH, 0),
                                    param(t, GL_TEXTURE_INTERNAL_FORMAT, 0),
                                    param(t, GL_TEXTURE_MIN_FILTER)}),
                  std::vector<int>({int(c.target), c.w, c.h, c.w, c.internal, c.min_filter}));
        if (c.level1_width) {
            EXPECT_EQ(param(t, GL_TEXTURE_WIDTH, 1), c.level1_width);
        }
        EXPECT_EQ(read_back(t)[4], 7 * 3); // second texel's red: the picture arrived
        EXPECT_EQ(capture.err(), "");
    }
}

TEST_F(TextureManagerTest, SameNameUploadsOnceWhateverLaterRequestsAsk) {
    const std::string path = write_rgb("twice.png", 32, 32);
    resource_path().push_searchpath(std::filesystem::path(path).parent_path().string());
    const cTextureDesc first = texture_manager().get_texture("twice.png", false, GL_REPEAT, 0);
    const cTextureDesc again = texture_manager().get_texture("twice.png", true, GL_CLAMP, 0);
    EXPECT_TRUE(texture_manager().load("twice.png"));
    EXPECT_EQ(again.id, first.id);
    EXPECT_EQ(texture_manager().cached(), 1u);
    EXPECT_EQ(param(again, GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(param(again, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
}

TEST_F(TextureManagerTest, MissingOrUnreadableFileEndsTheProgram) {
    EXPECT_EXIT(texture_manager().get_texture("no_such_image.png", false, GL_CLAMP, 0),
                ::testing::ExitedWithCode(255),
                "file was not found in path: \"no_such_image.png\"");
    // A folder of the image's name is found on the search path but cannot be read.
    std::filesystem::create_directory(dir_.path("folder.png"));
    resource_path().push_searchpath(dir_.path(""));
    EXPECT_EXIT(texture_manager().load("folder.png"), ::testing::ExitedWithCode(255),
                "unable to open file .*folder.png");
}

// Files DevIL cannot decode, and PNGs cut off (inside the image data DevIL would load without
// an error) are refused with a message and give no texture, and nothing is cached.
TEST_F(TextureManagerTest, UndecodableOrTruncatedFilesAreRefused) {
    const std::string whole = read_bytes(write_rgb("whole.png", 64, 64));
    const std::string cases[] = {std::string(600, '\x5a'), "", whole.substr(0, 40),
                                 whole.substr(0, whole.size() / 2),
                                 whole.substr(0, whole.size() - 4)};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string path = dir_.path("bad" + std::to_string(i) + (i == 1 ? ".jpg" : ".png"));
        write_bytes(path, cases[i]);
        cCapture capture;
        EXPECT_FALSE(texture_manager().get_texture(path, true, GL_CLAMP, 0).valid()) << i;
        EXPECT_NE(capture.err(), "") << i;
        EXPECT_EQ(texture_manager().cached(), 0u);
    }
    EXPECT_TRUE(texture_manager().get_texture(dir_.path("whole.png"), false, GL_CLAMP, 0).valid());
}

// A picture baked again reaches the same texture name with its first upload's wrap; a damaged
// rewrite gives its error line and leaves the texels as they were.
TEST_F(TextureManagerTest, AReBakedPictureReplacesTheTexelsUnderTheSameName) {
    const std::string path = write_rgb("live.png", 32, 32);
    const cTextureDesc before = texture_manager().get_texture(path, false, GL_REPEAT, 0);
    Bytes grey;
    for (int i = 0; i < 32 * 32; ++i)
        grey.insert(grey.end(), {200, 200, 200, 255});
    const Bytes old_texels = read_back(before);
    cBakeImage::save_png(path, 32, 32, 3, Bytes(32 * 32 * 3, 200));
    cCapture capture;
    EXPECT_TRUE(texture_manager().reload_file(file_identity(path)));
    EXPECT_EQ(capture.out(), "# reloaded texture \"" + path + "\"\n");
    EXPECT_EQ(read_back(before), grey) << "new texels, same name";
    EXPECT_EQ(param(before, GL_TEXTURE_WRAP_S), GL_REPEAT);

    write_bytes(path, read_bytes(write_rgb("whole.png", 32, 32)).substr(0, 60));
    EXPECT_TRUE(texture_manager().reload_file(file_identity(path)));
    EXPECT_NE(capture.err(), "");
    EXPECT_EQ(read_back(before), grey) << "the old picture stays";
    EXPECT_FALSE(texture_manager().reload_file(file_identity(dir_.path("whole.png"))));
    EXPECT_NE(old_texels, read_back(before));
}

} // namespace
