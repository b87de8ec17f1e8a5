#include "toolkit/cTweakGui.h"

#include "render/cOverlayState.h"

#include <GL/gl.h>

void cTweakGui::layout() {
    list_.reset();
    list_.set_position(0.05f, 0.05f);
    list_.set_size(0.9f, 0.65f);
    scene_label_.set_position(0.05f, 0.7f);
    second_label_.set_position(0.83f, 0.7f);
}

void cTweakGui::refill(iTweakable* owner) {
    list_.clear();
    list_.request_layout();
    owner_ = owner;
    if (!owner) {
        scene_label_.text.clear();
        return;
    }
    owner->register_vars(list_);
    scene_label_.text = owner->get_name();
}

void cTweakGui::handle_pointer(const cPointer& pointer, iTweakable* current) {
    if (current != owner_)
        refill(current);
    if (pointer.pressed) { // hover first: the press lands on what is under it
        list_.set_button_held(false);
        list_.handle_input(GUI_DRAG, pointer.x, pointer.y);
    }
    list_.set_button_held(pointer.held);
    list_.handle_input(GUI_DRAG, pointer.x, pointer.y);
}

// The GUI's units span the whole window, like the mouse position.
void cTweakGui::draw() {
    const cOverlayState state;
    glColor4f(1, 1, 1, 1);
    list_.draw();
    glColor4f(1, 1, 1, 1);
    scene_label_.draw();
    second_label_.draw();
}
