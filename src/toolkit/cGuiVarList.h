// The list of the current scene's tweakable variables: one row per entry in
// registration order, each a name, a value and a slider (or a read-only
// watch). Drawing pulls every value from its member; a drag pushes one back.
#pragma once

#include "toolkit/cGuiRectangle.h"
#include "toolkit/cGuiTxtLabel.h"
#include "toolkit/iVar.h"

#include <memory>
#include <vector>

class cGuiVarList : public cGuiRectangle {
public:
    static constexpr float kRowStep = 0.03f;
    static constexpr float kSliderHeight = 0.025f;

    // Empties the list and makes it the dark panel the host shows.
    void reset() override;
    // Hover grabs the slider under the pointer while no button is held; a
    // drag with a button held moves the grabbed slider and writes it back.
    bool handle_input(int code, float x, float y) override;
    // Whether a mouse button is held, for the next handle_input calls.
    void set_button_held(bool held) { button_held_ = held; }
    void draw() override;
    bool is_active() const override { return false; }

    // Takes both; the entry's row is its place in the order of adding.
    void add(std::unique_ptr<iVar> var, std::unique_ptr<iGuiNode> widget);
    void clear() { entries_.clear(); }
    void request_layout() { relayout_ = true; }
    bool layout_pending() const { return relayout_; }
    // Places row i's widget at (x + 0.2, height + 0.02 - 0.03 i).
    void layout();
    // Every slider takes its value from its member.
    void pull();
    // Prints "name value" per entry on the error stream.
    void dump() const;

    size_t size() const { return entries_.size(); }
    iVar& var(size_t i) const { return *entries_[i].var; }
    iGuiNode& widget(size_t i) const { return *entries_[i].widget; }

private:
    struct cEntry {
        std::unique_ptr<iVar> var;
        std::unique_ptr<iGuiNode> widget;
    };

    void hover(float x, float y);
    bool drag(float x, float y);
    static void push(const cEntry& entry);
    void draw_row(const cEntry& entry);
    void print(const std::string& text, float x, float y);

    std::vector<cEntry> entries_;
    bool relayout_ = false;
    bool button_held_ = false;
    cGuiTxtLabel label_; // prints the names and values
};
