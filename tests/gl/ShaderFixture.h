// A window with the demo's GL state and a freshly started shader manager, run from one level
// below the project root so the catalogue's file names resolve as in the demo; textures and
// render targets holding known pictures, and the picture read back. Pools go before the context.
#pragma once

#include "base/cResourcePath.h"
#include "cBakeImage.h"
#include "render/GlExtensions.h"
#include "render/cRenderTargetManager.h"
#include "render/cRenderTarget_fbo.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "support/Capture.h"
#include "support/GlWindow.h"

#include <functional>
#include <memory>

using tPixels = std::vector<uint8_t>; // RGBA rows, bottom row first
using tRgba = std::array<uint8_t, 4>;
using tPicture = std::function<tRgba(int x, int y)>;
constexpr int kViewWidth = 1024, kViewHeight = 640;

inline tRgba rgb(int r, int g, int b) {
    return {uint8_t(r), uint8_t(g), uint8_t(b), 255};
}
inline tPixels picture(int width, int height, const tPicture& f) {
    tPixels p;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const tRgba c = f(x, y);
            p.insert(p.end(), c.begin(), c.end());
        }
    return p;
}

// What the current viewport shows.
inline tPixels read_view() {
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    tPixels pixels(size_t(v[2]) * v[3] * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(v[0], v[1], v[2], v[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

class cShaderFixture : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        start_shaders();
        register_search_paths();
    }
    void TearDown() override {
        {
            cCapture statistics;
            cSingleton<cRenderTargetManager>::destroy();
            cSingleton<cTextureManager>::destroy();
        }
        cGlWindow::TearDown();
    }

    static GLint gl_program() {
        GLint program = -1;
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        return program;
    }

    // A texture from RGBA bytes, filtered linearly so a program that samples between texel
    // centres blurs what it reads; made on unit 7, which leaves units 0 and 1 alone.
    static GLuint texture(GLenum target, int width, int height, const tPixels& rgba) {
        GLuint name = 0;
        glGenTextures(1, &name);
        ext::glActiveTexture(GL_TEXTURE7);
        glBindTexture(target, name);
        glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(target, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(target, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        if (target == GL_TEXTURE_1D)
            glTexImage1D(target, 0, GL_RGBA, width, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        else
            glTexImage2D(target, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         rgba.data());
        glBindTexture(target, 0);
        ext::glActiveTexture(GL_TEXTURE0);
        return name; // released with the context
    }

    // A render target holding the picture f.
    static std::unique_ptr<cRenderTarget_fbo> target(int width, int height, const tPicture& f) {
        auto made = std::make_unique<cRenderTarget_fbo>(width, height);
        made->create();
        made->bind_texture();
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(made->texture_target(), 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                        picture(width, height, f).data());
        made->unbind_texture();
        return made;
    }
    static std::unique_ptr<cRenderTarget_fbo> full(const tPicture& f) {
        return target(kViewWidth, kViewHeight, f);
    }

    static tPixels read_target(iRenderTarget& t) {
        t.begin();
        tPixels pixels = read_view();
        t.end();
        return pixels;
    }
    // A 256 x 1 lookup table as a PNG in the temporary directory.
    static std::string lookup_file(const char* name, const tPicture& entry) {
        std::vector<uint8_t> table;
        for (int i = 0; i < 256; ++i)
            table.insert(table.end(), {entry(i, 0)[0], entry(i, 0)[1], entry(i, 0)[2]});
        const std::string path = ::testing::TempDir() + name;
        cBakeImage::save_png(path, 256, 1, 3, table);
        return path;
    }
    // One channel at (x, y) of a picture as wide as the view.
    static int at(const tPixels& p, int x, int y, int c = 0, int width = kViewWidth) {
        return p[(size_t(y) * width + x) * 4 + c];
    }
};
