// What the tweak GUI shows the variables of: something with a name that adds
// its tweakable variables to a list. Scenes are the demo's tweakables; the
// GUI never owns one and only compares, names and asks it to register.
#pragma once

#include <string>

class cGuiVarList;

class iTweakable {
public:
    virtual ~iTweakable() = default;
    virtual std::string get_name() = 0;
    // Adds the variables to the list; most have none.
    virtual void register_vars(cGuiVarList& /*vars*/) {}
};
