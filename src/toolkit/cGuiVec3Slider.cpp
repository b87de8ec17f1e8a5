#include "toolkit/cGuiVec3Slider.h"

bool cGuiVec3Slider::handle_input(int code, float x, float y) {
    if (code == GUI_RELEASE) {
        for (cGuiSlider& s : sliders_)
            s.handle_input(GUI_RELEASE, -1, -1);
        return true;
    }
    bool answer = false;
    for (cGuiSlider& s : sliders_)
        if ((answer = s.handle_input(code, x, y)))
            break;
    return answer;
}

void cGuiVec3Slider::draw() {
    for (cGuiSlider& s : sliders_)
        s.draw();
}

bool cGuiVec3Slider::hit_test(float x, float y) const {
    for (const cGuiSlider& s : sliders_)
        if (s.hit_test(x, y))
            return true;
    return false;
}

void cGuiVec3Slider::set_position(float x, float y) {
    cGuiRectangle::set_position(x, y);
    layout();
}

void cGuiVec3Slider::set_size(float w, float h) {
    cGuiRectangle::set_size(w, h);
    layout();
}

bool cGuiVec3Slider::is_active() const {
    for (const cGuiSlider& s : sliders_)
        if (s.is_active())
            return true;
    return false;
}

void cGuiVec3Slider::set_range(float lo, float hi) {
    for (cGuiSlider& s : sliders_)
        s.set_range(lo, hi);
}

void cGuiVec3Slider::layout() {
    const float w3 = width_ / 3.1f;
    const float gap = (width_ - 3 * w3) / 2;
    for (int k = 0; k < 3; ++k) {
        sliders_[k].set_position(x_ + static_cast<float>(k) * (w3 + gap), y_);
        sliders_[k].set_size(w3, height_);
    }
}
