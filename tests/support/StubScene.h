// A scene that draws nothing and only offers the GUI the variables a test hands it, for the
// tests of the GUI and of what draws it; a scene without variables gives the GUI no rows.
#pragma once

#include "timeline/cScene.h"

#include <functional>
#include <string>

class cStubScene : public cScene {
public:
    using tVars = std::function<void(cGuiVarList&)>;
    explicit cStubScene(std::string name, tVars vars = {})
        : cScene(nullptr), name_(std::move(name)), vars_(std::move(vars)) {}
    std::string get_name() override { return name_; }
    void load() override {}
    void init() override {}
    void deinit() override {}
    void draw() override {}
    void handle_event(cEvent*) override {}
    void update() override {}
    void register_vars(cGuiVarList& vars) override {
        if (vars_)
            vars_(vars);
    }

private:
    std::string name_;
    tVars vars_;
};
