// The load screen's models: a hardware panel lying flat (top at y = 0) with
// a rotary knob and its black skirt centred on the origin, a row of meter
// segments and an amber LED, sized for the load screen's fixed camera.
#pragma once

#include "BakeModule.h"
#include "cBakeMesh.h"

class cBakeLoader : public iBakeModule {
public:
    std::string name() const override { return "loader"; }
    void bake(const std::string& data_dir) override;

    // The panel spans x -80..22 and z -64..22; its texture covers the top
    // with u along +x and v along -z.
    static constexpr float kPanelLeft = -80, kPanelRight = 22;
    static constexpr float kPanelBack = -64, kPanelFront = 22;
    // Knob radius and the pointer's direction at progress 0 (lower left as
    // the camera sees it); progress turns it clockwise by up to 270 degrees.
    static constexpr float kKnobRadius = 8.6f;
    static constexpr float kPointerDegrees = 135.0f;

    static cBakeMesh panel();
    static cBakeMesh knob();
    static cBakeMesh skirt();
    static cBakeMesh indicator();
    static cBakeMesh led();
};
