// A widget that is a rectangle: a translucent fill and outline, a strict
// hit test, and the position and size every other rectangle widget builds
// on. Position and size stay -1 until set, so an unplaced one hits nothing.
#pragma once

#include "toolkit/iGuiNode.h"

struct cGuiColour {
    float r, g, b, a;
};

class cGuiRectangle : public iGuiNode {
public:
    void reset() override {}
    bool handle_input(int /*code*/, float /*x*/, float /*y*/) override { return false; }
    void draw() override;
    bool hit_test(float x, float y) const override;
    void set_position(float x, float y) override;
    void get_position(float& x, float& y) const override;
    void set_size(float w, float h) override;

    float x() const { return x_; }
    float y() const { return y_; }
    float width() const { return width_; }
    float height() const { return height_; }

    cGuiColour outline{1, 1, 1, 0.25f};
    cGuiColour fill{1, 1, 1, 0.15f};

protected:
    // A filled quad from (x0, y0) to (x1, y1) in the current colour.
    static void quad(float x0, float y0, float x1, float y1);
    static void vertical_line(float x, float y0, float y1);

    float width_ = -1, height_ = -1, x_ = -1, y_ = -1;
};
