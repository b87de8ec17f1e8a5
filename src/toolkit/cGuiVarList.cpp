#include "toolkit/cGuiVarList.h"

#include "base/Messages.h"
#include "toolkit/ValueText.h"
#include "toolkit/cGuiVec3Slider.h"

#include <GL/gl.h>

void cGuiVarList::reset() {
    clear();
    label_.reset();
    fill = {0, 0, 0, 0.25f};
}

void cGuiVarList::add(std::unique_ptr<iVar> var, std::unique_ptr<iGuiNode> widget) {
    entries_.push_back({std::move(var), std::move(widget)});
}

void cGuiVarList::layout() {
    for (size_t i = 0; i < entries_.size(); ++i)
        entries_[i].widget->set_position(x_ + 0.2f,
                                         height_ + 0.02f - kRowStep * static_cast<float>(i));
    relayout_ = false;
}

void cGuiVarList::pull() {
    for (const cEntry& e : entries_) {
        if (auto* slider = dynamic_cast<cGuiSlider*>(e.widget.get()))
            slider->value = e.var->get_component(0);
        else if (auto* vec = dynamic_cast<cGuiVec3Slider*>(e.widget.get()))
            for (int k = 0; k < 3; ++k)
                vec->slider(k).value = e.var->get_component(k);
    }
}

void cGuiVarList::push(const cEntry& entry) {
    if (auto* slider = dynamic_cast<const cGuiSlider*>(entry.widget.get()))
        entry.var->set_component(0, slider->value);
    else if (auto* vec = dynamic_cast<const cGuiVec3Slider*>(entry.widget.get()))
        for (int k = 0; k < 3; ++k)
            entry.var->set_component(k, vec->slider(k).value);
}

void cGuiVarList::dump() const {
    for (const cEntry& e : entries_)
        msg_err() << e.var->get_name() << " " << e.var->get_value_text() << std::endl;
}

bool cGuiVarList::handle_input(int code, float x, float y) {
    const bool held = button_held_;
    if (!held)
        hover(x, y);
    if (code == GUI_DRAG && held)
        return drag(x, y);
    return false;
}

void cGuiVarList::hover(float x, float y) {
    for (const cEntry& e : entries_)
        e.widget->handle_input(GUI_RELEASE, x, y);
    for (const cEntry& e : entries_)
        if (e.widget->hit_test(x, y)) {
            e.widget->handle_input(GUI_GRAB, x, y);
            return;
        }
}

bool cGuiVarList::drag(float x, float y) {
    for (const cEntry& e : entries_)
        if (e.widget->handle_input(GUI_DRAG, x, y)) {
            push(e);
            return true;
        }
    return false;
}

void cGuiVarList::draw() {
    if (relayout_)
        layout();
    pull();
    cGuiRectangle::draw();
    for (const cEntry& e : entries_)
        draw_row(e);
}

void cGuiVarList::draw_row(const cEntry& entry) {
    iGuiNode& widget = *entry.widget;
    float wx = 0, y = 0;
    widget.get_position(wx, y);
    const bool active = widget.is_active();
    if (active) {
        glColor4f(1, 1, 1, 0.45f);
        quad(x_, y, width_, y + kRowStep);
    }
    glColor4f(1, 1, 1, active ? 1.0f : 0.85f);
    print(entry.var->get_name(), x_, y);
    if (auto* watch = dynamic_cast<cGuiTxtLabel*>(&widget)) {
        watch->text = entry.var->get_value_text();
        watch->draw();
        return;
    }
    widget.draw();
    glColor4f(1, 1, 1, 0.85f);
    if (auto* slider = dynamic_cast<cGuiSlider*>(&widget))
        print(two_decimals(slider->value), x_ + 0.15f, y);
    else if (auto* vec = dynamic_cast<cGuiVec3Slider*>(&widget))
        print(value_text(Vec3f(vec->slider(0).value, vec->slider(1).value, vec->slider(2).value)),
              x_ + 0.15f, y);
}

void cGuiVarList::print(const std::string& text, float x, float y) {
    label_.text = text;
    label_.set_position(x, y);
    label_.draw();
}
