// The registration of tweakable variables: each call binds a name to a
// member and adds it to the list with its widget, a slider for what may be
// changed or a watch label for what is only shown. Rows keep the call order.
#pragma once

#include "geometry/Vec3.h"
#include "geometry/cCamera.h"
#include "render/post/PostParams.h"
#include "toolkit/cGuiVarList.h"

#include <string>

void add_var(cGuiVarList& list, std::string name, float* target, float min, float max);
void add_var(cGuiVarList& list, std::string name, int* target, int min, int max);
void add_var(cGuiVarList& list, std::string name, Vec3f* target, float min, float max);

void add_watch(cGuiVarList& list, std::string name, int* target);
void add_watch(cGuiVarList& list, std::string name, float* target);
void add_watch(cGuiVarList& list, std::string name, unsigned* target);

// "cam-eye" and "cam-its" over [min, max], then "cam-fov" over [20, 160].
void register_camera_vars(cGuiVarList& list, cCamera& camera, float min, float max);
// "pre-cut", then "post-cut", both over [0, 255].
void add_cut_vars(cGuiVarList& list, cCutLevels& cut);
void add_levels_vars(cGuiVarList& list, cLevelsParams& levels);
void add_hsb_vars(cGuiVarList& list, cHsbParams& hsb);
// "distance" [0, 5], "layers" [1, 500], "multiplier" [0, 5].
void add_glow_vars(cGuiVarList& list, cGlowParams& glow);
