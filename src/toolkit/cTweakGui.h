// The tweak GUI as the demo shows it: the variable list and two labels,
// drawn over the finished frame in a 0..1 square over the whole window. The
// list only ever holds the variables of the scene that is current now.
#pragma once

#include "toolkit/cGuiTxtLabel.h"
#include "toolkit/cGuiVarList.h"

class cScene;
struct cInputState;

class cTweakGui {
public:
    // Places the list and the labels; once, at the end of loading.
    void layout();
    // Fills the list from `scene` (none: empty) and names it in the label.
    void refill(cScene* scene);
    // Feeds the pointer to the list as a drag. A list filled for another
    // scene than `current` is refilled first, so no write reaches a scene
    // that is not on screen.
    void handle_pointer(const cInputState& input, cScene* current);
    // Draws the list and both labels over the frame, leaving GL state as found.
    void draw();
    // The list's "name value" lines on the error stream.
    void dump() const { list_.dump(); }

    cGuiVarList& list() { return list_; }
    cGuiTxtLabel& scene_label() { return scene_label_; }
    const cScene* owner() const { return owner_; }

private:
    static void begin_overlay();
    static void end_overlay();

    cGuiVarList list_;
    cGuiTxtLabel scene_label_;
    cGuiTxtLabel second_label_; // its text stays empty
    cScene* owner_ = nullptr;   // the scene the list was filled from
};
