// One line of text drawn from the font atlas: character i sits at
// (x + 0.01 i, y) in a cell 0.01 wide and square on screen. A character the
// atlas lacks still takes its width but draws nothing.
#pragma once

#include "render/cTextureDesc.h"
#include "toolkit/iGuiNode.h"

#include <string>

class cGuiTxtLabel : public iGuiNode {
public:
    static constexpr float kCharWidth = 0.01f;

    // Makes sure the font's folder is on the search paths.
    void reset() override;
    bool handle_input(int /*code*/, float /*x*/, float /*y*/) override { return false; }
    // The text in the current colour; loads the font on first use.
    void draw() override;
    bool hit_test(float /*x*/, float /*y*/) const override { return false; }
    void set_position(float x, float y) override;
    void get_position(float& x, float& y) const override;
    bool is_active() const override { return false; }

    // The glyph height that makes a 0.01 wide cell square in the window.
    static float char_height();

    std::string text;

private:
    bool bind_font();
    void draw_glyphs() const;

    float x_ = 0, y_ = 0;
    cTextureDesc font_;
    bool font_tried_ = false;
};
