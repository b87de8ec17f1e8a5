#include "toolkit/cTweakGui.h"

#include "render/ScreenHelpers.h"

#include "base/cDisplaySettings.h"

#include <GL/gl.h>
#include <GL/glext.h>

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

void cTweakGui::draw() {
    begin_overlay();
    glColor4f(1, 1, 1, 1);
    list_.draw();
    glColor4f(1, 1, 1, 1);
    scene_label_.draw();
    second_label_.draw();
    end_overlay();
}

// The GUI's units span the whole window, like the mouse position, so the
// viewport is opened to the window for the overlay and restored after it.
void cTweakGui::begin_overlay() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    const cDisplaySettings& settings = display_settings();
    glViewport(0, 0, static_cast<GLsizei>(settings.width), static_cast<GLsizei>(settings.height));
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    push_unit_square();
}

void cTweakGui::end_overlay() {
    pop_unit_square();
    glPopAttrib();
}
