// The sprutte's plasma tube: a long cylinder along z with the camera inside it, its plasma
// texture flowing along it, drawn unlit through white linear fog (the intro's fog wall, or
// the thin fog of the main part).
#pragma once

#include "mesh_files/cMeshObj.h"
#include "render/cTextureDesc.h"

#include <memory>

class cSprutteTube {
public:
    // The mesh, the plasma texture and the program the tube is drawn with.
    void load();
    // The tube at `t` seconds of demo time, fogged from `fog_near` to `fog_far`. Leaves
    // lighting off and the fog on: whatever is drawn next in the tube is fogged alike.
    void draw(float t, float fog_near, float fog_far);

private:
    void draw_textured();

    std::unique_ptr<cMeshObj> mesh_;
    cTextureDesc plasma_;
};
