// The application object on the entry function's stack: it holds what the
// frame loop keeps between frames (the tweak GUI and its visibility). Only one may
// exist at any time; a second is a programming error and throws.
#pragma once

#include "toolkit/cTweakGui.h"

class cDemo {
public:
    cDemo();
    cDemo(const cDemo&) = delete;
    cDemo& operator=(const cDemo&) = delete;
    ~cDemo();

    bool gui_visible() const { return gui_visible_; }
    void toggle_gui() { gui_visible_ = !gui_visible_; }
    // The variable list and its two labels.
    cTweakGui& gui() { return gui_; }

private:
    bool gui_visible_ = false;
    cTweakGui gui_;
};
