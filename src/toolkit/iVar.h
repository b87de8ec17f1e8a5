// A tweakable variable: a name bound to a member of its owner, which it
// shows as text and which a slider may read and write as float components.
// It never owns the member; the member outlives the list entry that holds it.
#pragma once

#include <string>

class iVar {
public:
    virtual ~iVar() = default;
    virtual std::string get_name() const = 0;
    virtual std::string get_value_text() const = 0;

    // The member as slider values: one component, or three for a vector.
    virtual int components() const = 0;
    virtual float get_component(int index) const = 0;
    // Integers take the value truncated toward zero, within their range.
    virtual void set_component(int index, float value) = 0;
};
