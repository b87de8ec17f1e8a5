// The demo's window and GL state for one GL test: opened with the demo's own
// start-up and the process-wide display settings (letterboxed 1024 x 640 in a
// 1024 x 768 window), closed after the test; plus reading pixels back.
#pragma once

#include "frame/AppSetup.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>
#include <string>

class cGlWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the shader manager from tests/, one level below the project
    // root, so the shader files resolve as they do for the demo in bin/.
    // Undone by TearDown. Returns the manager's start-up lines.
    std::string start_shaders();

    // RGBA of one pixel, x and y counted in the picture from its bottom left.
    static std::array<int, 4> pixel(int x, int y);
    // An orthographic -1..1 square over the whole picture, identity model-view.
    static void flat_projection();
    // Writes the whole window as seen (alpha forced opaque) to a PNG file.
    static void save_window(const std::string& file);

    std::string saved_cwd_; // set while the shaders run from tests/
};
