// A white textured surface in linear fog as the fixed-function pipeline draws it, as a program
// of its own: the texture on unit 0 (through texture matrix 0), mixed toward the fog colour by
// eye depth between the fog's start and end; the colour is not read. Takes no record.
#pragma once

#include "cShdBase.h"

class cShdFogTexture : public cShdBase {
public:
    cShdFogTexture(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile)
        : cShdBase(vertex_profile, manager, fragment_profile, "cShdFogTexture") {
        load_from_files("cg_fog_texture_vert.cg", "cg_fog_texture_frag.cg");
    }
};
