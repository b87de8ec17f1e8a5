// The shader fixture with what the post-effect tests add: render targets filled with known
// pictures, the picture read back from a target or from the window's letterboxed view, and
// the pooled targets and cached textures dropped before the context goes.
#pragma once

#include "ShaderFixture.h"
#include "cBakeImage.h"
#include "render/cRenderTargetManager.h"
#include "render/cRenderTarget_fbo.h"
#include "render/cTextureManager.h"

#include <IL/il.h>
#include <array>
#include <functional>
#include <memory>

constexpr int kViewWidth = 1024, kViewHeight = 640;

class cPostFixture : public cShaderFixture {
protected:
    void TearDown() override {
        {
            cCapture statistics;
            cSingleton<cRenderTargetManager>::destroy();
            cSingleton<cTextureManager>::destroy();
        }
        cShaderFixture::TearDown();
    }

    // A target of the given size holding the picture f(x, y) -> RGBA.
    using tPicture = std::function<std::array<uint8_t, 4>(int x, int y)>;
    static std::unique_ptr<cRenderTarget_fbo> target(int width, int height, const tPicture& f) {
        auto made = std::make_unique<cRenderTarget_fbo>(width, height);
        made->create();
        tPixels rgba;
        rgba.reserve(size_t(width) * height * 4);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const auto p = f(x, y);
                rgba.insert(rgba.end(), p.begin(), p.end());
            }
        made->bind_texture();
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(made->texture_target(), 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                        rgba.data());
        made->unbind_texture();
        return made;
    }
    static std::unique_ptr<cRenderTarget_fbo> full(const tPicture& f) {
        return target(kViewWidth, kViewHeight, f);
    }

    static tPixels read_target(iRenderTarget& t) {
        t.begin();
        tPixels pixels = read(int(t.width()), int(t.height()));
        t.end();
        return pixels;
    }
    // The window's picture: the viewport init_gl set.
    static tPixels read_view() {
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        tPixels pixels(size_t(viewport[2]) * viewport[3] * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.data());
        return pixels;
    }
    // A 256 x 1 lookup table, entry(i) in every channel, as a PNG in the temporary directory.
    static std::string lookup_file(const char* name, int (*entry)(int)) {
        std::vector<uint8_t> table;
        for (int i = 0; i < 256; ++i)
            table.insert(table.end(), {uint8_t(entry(i)), uint8_t(entry(i)), uint8_t(entry(i))});
        const std::string path = ::testing::TempDir() + name;
        cBakeImage::save_png(path, 256, 1, 3, table);
        return path;
    }
    // RGBA rows bottom first, as the picture is seen (alpha opaque), to look at.
    static void save_png(const std::string& file, tPixels rgba, int width, int height) {
        for (size_t i = 3; i < rgba.size(); i += 4)
            rgba[i] = 255;
        cBakeImage::save_png(file, width, height, 4, rgba);
    }
    // An image file as RGBA rows, bottom first; empty if it does not decode.
    static tPixels decoded_rgba(const std::string& file) {
        ILuint image = 0;
        ilGenImages(1, &image);
        ilBindImage(image);
        tPixels rgba;
        if (ilLoadImage(file.c_str()) && ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE))
            rgba.assign(ilGetData(), ilGetData() + ilGetInteger(IL_IMAGE_WIDTH) *
                                                       ilGetInteger(IL_IMAGE_HEIGHT) * 4);
        ilDeleteImages(1, &image);
        return rgba;
    }
    // One channel at (x, y) of a picture as wide as the view.
    static int at(const tPixels& p, int x, int y, int c = 0, int width = kViewWidth) {
        return p[(size_t(y) * width + x) * 4 + c];
    }
};
