// Three sliders side by side for the x, y and z of one vector, sharing one
// range. Each is width / 3.1 wide with equal gaps between them, and they are
// laid out again whenever the widget moves or is resized.
#pragma once

#include "toolkit/cGuiSlider.h"

class cGuiVec3Slider : public cGuiRectangle {
public:
    bool handle_input(int code, float x, float y) override;
    void draw() override;
    bool hit_test(float x, float y) const override;
    void set_position(float x, float y) override;
    void set_size(float w, float h) override;
    bool is_active() const override;

    void set_range(float lo, float hi);
    cGuiSlider& slider(int k) { return sliders_[k]; }
    const cGuiSlider& slider(int k) const { return sliders_[k]; }

private:
    void layout();

    cGuiSlider sliders_[3];
};
