// The texture manager on a real GL context: target choice, the once-only
// upload, the fatal exits, and images of every kind shown in true colour.
#include "base/cResourcePath.h"
#include "frame/AppSetup.h"
#include "render/cTextureManager.h"
#include "support/Capture.h"
#include "support/GlWindow.h"
#include "support/TestAudio.h"

#include <GL/glext.h>
#include <IL/il.h>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<ILubyte>;

// An 8 x 8 CMYK JPEG of the flat colour rgb(200, 40, 10), as photo tools
// write them: inverted inks under an Adobe marker.
const char kCmykJpeg[] =
    "\xff\xd8\xff\xee\x00\x0e\x41\x64\x6f\x62\x65\x00\x64\x00\x00\x00\x00\x02\xff\xdb\x00\x43"
    "\x00\x02\x01\x01\x01\x01\x01\x02\x01\x01\x01\x02\x02\x02\x02\x02\x04\x03\x02\x02\x02\x02"
    "\x05\x04\x04\x03\x04\x06\x05\x06\x06\x06\x05\x06\x06\x06\x07\x09\x08\x06\x07\x09\x07\x06"
    "\x06\x08\x0b\x08\x09\x0a\x0a\x0a\x0a\x0a\x06\x08\x0b\x0c\x0b\x0a\x0c\x09\x0a\x0a\x0a\xff"
    "\xdb\x00\x43\x01\x02\x02\x02\x02\x02\x02\x05\x03\x03\x05\x0a\x07\x06\x07\x0a\x0a\x0a\x0a"
    "\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a"
    "\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a"
    "\x0a\x0a\xff\xc0\x00\x14\x08\x00\x08\x00\x08\x04\x01\x11\x00\x02\x11\x01\x03\x11\x01\x04"
    "\x11\x00\xff\xc4\x00\x15\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x07\x09\xff\xc4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\xff\xc4\x00\x15\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x08\x09\xff\xc4\x00\x14\x11\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\xff\xda\x00\x0e\x04\x01\x00\x02\x11\x03\x11\x04\x00\x00\x3f\x00\x4c\x35"
    "\x11\x6d\x48\x1f\xff\xd9";

class TextureManagerTest : public cGlWindow {
protected:
    void TearDown() override {
        cSingleton<cTextureManager>::destroy();
        cGlWindow::TearDown();
    }

    // Writes an image with DevIL; `palette` makes it a colour-index image.
    std::string write(const std::string& name, int w, int h, ILenum format, ILenum type,
                      const void* pixels, const Bytes& palette = {}) {
        const std::string path = dir_.path(name);
        ILuint image = 0;
        ilGenImages(1, &image);
        ilBindImage(image);
        const int channels = format == IL_RGB ? 3 : format == IL_LUMINANCE_ALPHA ? 2 : 1;
        ilTexImage(w, h, 1, ILubyte(channels), format, type, const_cast<void*>(pixels));
        ilRegisterOrigin(IL_ORIGIN_LOWER_LEFT);
        if (!palette.empty())
            ilRegisterPal(const_cast<ILubyte*>(palette.data()), palette.size(), IL_PAL_RGB24);
        ilEnable(IL_FILE_OVERWRITE);
        EXPECT_TRUE(ilSave(IL_PNG, path.c_str())) << name;
        ilDeleteImages(1, &image);
        return path;
    }
    std::string write_rgb(const std::string& name, int w, int h) {
        Bytes rgb(size_t(3 * w * h));
        for (size_t i = 0; i < rgb.size(); ++i)
            rgb[i] = ILubyte(i * 7);
        return write(name, w, h, IL_RGB, IL_UNSIGNED_BYTE, rgb.data());
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

// Grey, grey with alpha, palette and 16-bit images (DevIL keeps each in its own format) all
// reach GL as the colours they hold; odd widths check the row packing.
TEST_F(TextureManagerTest, EveryPngKindShowsItsTrueColours) {
    struct cCase {
        cCase(const char* n, int w_, int h_, ILenum f, ILenum t, Bytes px, Bytes pal, Bytes want)
            : name(n), w(w_), h(h_), format(f), type(t), pixels(px), palette(pal), rgba(want) {}
        const char* name;
        int w, h;
        ILenum format, type;
        Bytes pixels, palette;
        Bytes rgba; // first texels as GL must hold them
    };
    // 16-bit samples repeat their byte, so the host's byte order does not matter.
    Bytes deep;
    for (ILubyte v : {255, 0, 128, 18, 238, 64, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        deep.insert(deep.end(), 2, v);
    const cCase cases[] = {
        cCase("grey.png", 5, 2, IL_LUMINANCE, IL_UNSIGNED_BYTE,
              {0, 60, 120, 180, 255, 1, 2, 3, 4, 5}, {},
              {0, 0, 0, 255, 60, 60, 60, 255, 120, 120, 120, 255}),
        cCase("grey_alpha.png", 3, 2, IL_LUMINANCE_ALPHA, IL_UNSIGNED_BYTE,
              {0, 255, 100, 128, 200, 0, 1, 2, 3, 4, 5, 6}, {},
              {0, 0, 0, 255, 100, 100, 100, 128, 200, 200, 200, 0}),
        cCase("palette.png", 3, 2, IL_COLOUR_INDEX, IL_UNSIGNED_BYTE, {0, 1, 2, 2, 1, 0},
              {255, 0, 0, 0, 200, 0, 10, 20, 250},
              {255, 0, 0, 255, 0, 200, 0, 255, 10, 20, 250, 255, 10, 20, 250, 255}),
        cCase("deep.png", 3, 2, IL_RGB, IL_UNSIGNED_SHORT, deep, {},
              {255, 0, 128, 255, 18, 238, 64, 255, 1, 2, 3, 255}),
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        const cTextureDesc t = texture_manager().get_texture(
            write(c.name, c.w, c.h, c.format, c.type, c.pixels.data(), c.palette), false, GL_CLAMP,
            0);
        const Bytes got = read_back(t);
        EXPECT_EQ(Bytes(got.begin(), got.begin() + c.rgba.size()), c.rgba);
    }
}

TEST_F(TextureManagerTest, CmykJpegShowsItsColours) {
    const std::string path = dir_.path("inks.jpg");
    write_bytes(path, std::string(kCmykJpeg, sizeof kCmykJpeg - 1));
    const cTextureDesc t = texture_manager().get_texture(path, false, GL_CLAMP, 0);
    ASSERT_EQ(t.width, 8);
    const Bytes got = read_back(t);
    const int want[4] = {200, 40, 10, 255};
    for (size_t i = 0; i < got.size(); ++i)
        ASSERT_NEAR(got[i], want[i % 4], 3) << "byte " << i;
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
        const cTextureDesc t = texture_manager().get_texture(path, true, GL_CLAMP, 0);
        EXPECT_FALSE(t.valid()) << i;
        EXPECT_EQ(t.id, -1) << i;
        EXPECT_NE(capture.err().find("# ERROR in cTextureManager::get_texture - \"" + path +
                                     "\" not found\n"),
                  std::string::npos)
            << i;
        EXPECT_EQ(texture_manager().cached(), 0u);
    }
    EXPECT_TRUE(texture_manager().get_texture(dir_.path("whole.png"), false, GL_CLAMP, 0).valid());
}

} // namespace
