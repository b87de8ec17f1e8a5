// A horizontal slider over [min, max]: a bar from the zero mark to the value
// mark, grabbed by the list when hovered and dragged while a button is held.
// Its marks always stay on the slider, and an empty range never divides.
#pragma once

#include "toolkit/cGuiRectangle.h"

class cGuiSlider : public cGuiRectangle {
public:
    // Where the bar's marks fall, as fractions of the width (0 = left edge).
    struct cMarks {
        float zero;  // the zero mark, at an edge when 0 lies outside the range
        float value; // the value mark
    };

    bool handle_input(int code, float x, float y) override;
    void draw() override;
    bool is_active() const override { return grabbed; }

    void set_range(float lo, float hi) {
        min = lo;
        max = hi;
    }
    cMarks marks() const;

    float min = 0, max = 1, value = 0;
    bool grabbed = false;

private:
    void drag_to(float x);
};
