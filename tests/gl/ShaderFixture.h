// A window with the demo's GL state and a freshly initialised shader manager, run from one
// level below the project root so the catalogue's file names resolve as in the demo; plus
// small helpers that draw a known image through a bound program and read the result back.
#pragma once

#include "base/cResourcePath.h"
#include "frame/AppSetup.h"
#include "render/GlExtensions.h"
#include "render/cShaderManager_CG.h"
#include "support/Capture.h"
#include "support/GlWindow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using tPixels = std::vector<uint8_t>; // RGBA rows, bottom row first

class cShaderFixture : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        startup_out_ = start_shaders();
        register_search_paths();
    }

    static GLint gl_program() {
        GLint program = -1;
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        return program;
    }

    // A texture of the given target from RGBA bytes (bottom row first), filtered linearly so
    // a program that samples between texel centres would blur what it reads.
    GLuint texture(GLenum target, int width, int height, const tPixels& rgba) {
        GLuint name = 0;
        glGenTextures(1, &name);
        ext::glActiveTexture(GL_TEXTURE7); // leaves the bindings of units 0 and 1 alone
        glBindTexture(target, name);
        glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
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
    GLuint rect(int width, int height, const tPixels& rgba) {
        return texture(GL_TEXTURE_RECTANGLE_ARB, width, height, rgba);
    }

    static void on_unit(int unit, GLenum target, GLuint name) {
        ext::glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(target, name);
        ext::glActiveTexture(GL_TEXTURE0);
    }

    // One quad over a width x height viewport in unit-square space, unit 0 spanning
    // (s0, t0) texels and unit 1 spanning (s1, t1), over black; depth testing off, blending
    // (source alpha, one minus source alpha) only when asked for.
    static tPixels draw(int width, int height, float s0, float t0, float s1 = 1, float t1 = 1,
                        bool blend = false) {
        glViewport(0, 0, width, height);
        blend ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, -1, 1);
        glColor4f(1, 1, 1, 1);
        const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        glBegin(GL_QUADS);
        for (const auto& c : corners) {
            ext::glMultiTexCoord2fARB(GL_TEXTURE0, c[0] * s0, c[1] * t0);
            ext::glMultiTexCoord2fARB(GL_TEXTURE1, c[0] * s1, c[1] * t1);
            glVertex2f(c[0], c[1]);
        }
        glEnd();
        return read(width, height);
    }

    static tPixels read(int width, int height) {
        tPixels pixels(size_t(width) * height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    std::string startup_out_; // what the shader manager printed when it started
};
