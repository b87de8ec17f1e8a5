// The tweak GUI as the demo shows it: the variable list and two labels,
// drawn over the finished frame in a 0..1 square over the whole window. The
// list only ever holds the variables of the scene that is current now.
#pragma once

#include "toolkit/cGuiTxtLabel.h"
#include "toolkit/cGuiVarList.h"

#include "toolkit/iTweakable.h"

// The pointer as the GUI sees it: in GUI units, whether one of the three
// real mouse buttons is held (the wheel's flags do not count), and whether one
// went down since the last frame (it grabs what lies under the pointer now).
struct cPointer {
    float x = 0, y = 0;
    bool held = false;
    bool pressed = false;
};

class cTweakGui {
public:
    // Places the list and the labels; once, at the end of loading.
    void layout();
    // Fills the list from `owner` (none: empty) and names it in the label.
    void refill(iTweakable* owner);
    // Feeds the pointer to the list as a drag. A list filled for another
    // owner than `current` is refilled first, so no write reaches a scene
    // that is not on screen.
    void handle_pointer(const cPointer& pointer, iTweakable* current);
    // Draws the list and both labels over the frame from a state of its own, whatever the
    // frame's drawing left, and leaves GL state as found.
    void draw();
    // The list's "name value" lines on the error stream.
    void dump() const { list_.dump(); }

    cGuiVarList& list() { return list_; }
    cGuiTxtLabel& scene_label() { return scene_label_; }
    const iTweakable* owner() const { return owner_; }

private:
    cGuiVarList list_;
    cGuiTxtLabel scene_label_;
    cGuiTxtLabel second_label_;   // its text stays empty
    iTweakable* owner_ = nullptr; // what the list was filled from
};
