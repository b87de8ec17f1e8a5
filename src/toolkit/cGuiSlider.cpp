#include "toolkit/cGuiSlider.h"

#include <GL/gl.h>
#include <algorithm>

cGuiSlider::cMarks cGuiSlider::marks() const {
    const float range = max - min;
    // An empty range has one possible value: both marks sit at the left.
    if (!(range != 0.0f))
        return {0.0f, 0.0f};
    // Marks stay on the slider: zero lies past the right end of an all-negative
    // range, and a member can be set outside the range by its owner.
    return {std::clamp(-min / range, 0.0f, 1.0f), std::clamp((value - min) / range, 0.0f, 1.0f)};
}

void cGuiSlider::draw() {
    cGuiRectangle::draw();
    const cMarks m = marks();
    const float zero_x = x_ + m.zero * width_;
    const float value_x = x_ + m.value * width_;
    const float alpha = grabbed ? 0.75f : 0.5f;
    const float shade = value > 0.0f ? 1.0f : 0.0f;
    glColor4f(shade, shade, shade, alpha);
    quad(zero_x, y_, value_x, y_ + height_);
    glColor4f(1, 0, 0, 0.5f);
    vertical_line(zero_x, y_, y_ + height_);
    glColor4f(1, 1, 1, 1);
    vertical_line(value_x, y_, y_ + height_);
}

bool cGuiSlider::handle_input(int code, float x, float y) {
    switch (code) {
    case GUI_QUERY_1:
    case GUI_QUERY_2:
    case GUI_QUERY_3:
        return hit_test(x, y);
    case GUI_DRAG:
        if (grabbed)
            drag_to(x);
        return grabbed;
    case GUI_GRAB:
        if (!hit_test(x, y))
            return false;
        grabbed = true;
        return true;
    case GUI_RELEASE:
        grabbed = false;
        return true;
    default:
        return false;
    }
}

void cGuiSlider::drag_to(float x) {
    // A slider without width has no place to point at: its value stays.
    if (!(width_ > 0.0f))
        return;
    const float f = (x - x_) / width_;
    const float v = (1.0f - f) * min + f * max;
    value = std::clamp(v, std::min(min, max), std::max(min, max));
}
