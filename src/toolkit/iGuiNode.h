// The interface of a tweak-GUI widget. Positions and sizes are in GUI units:
// 0..1 across the window in x and y, origin at the bottom left, the same axes
// as the normalised mouse position. Widgets draw with plain GL quads and lines.
#pragma once

// The codes of handle_input.
enum eGuiInput {
    GUI_QUERY_1 = 1, // 1 to 3: a slider answers its hit test
    GUI_QUERY_2 = 2,
    GUI_QUERY_3 = 3,
    GUI_DRAG = 7,
    GUI_GRAB = 8,
    GUI_RELEASE = 9,
};

class iGuiNode {
public:
    virtual ~iGuiNode() = default;
    virtual void reset() = 0;
    // True when the widget consumed the input.
    virtual bool handle_input(int code, float x, float y) = 0;
    virtual void draw() = 0;
    virtual bool hit_test(float x, float y) const = 0;
    virtual void set_position(float x, float y) = 0;
    virtual void get_position(float& x, float& y) const = 0;
    virtual bool is_active() const = 0;
    virtual void set_size(float /*w*/, float /*h*/) {}
};
