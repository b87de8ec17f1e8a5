// Screen-space drawing shared by the post effects and the scenes: a unit-square orthographic
// section, quads with texel or unit coordinates, and whole-image draws. Every helper leaves
// texture unit 0 active (except draw_texture and the bare quads) and restores what it saves.
#pragma once

#include "base/cDisplaySettings.h"
#include "cTextureDesc.h"
#include "iRenderTarget.h"

#include <initializer_list>

// Saves the current and enable groups and the depth write mask; lighting, depth test and
// depth writes off; identity projection, 0..1 orthographic model-view (left current).
void begin_ortho();
// begin_ortho with the current colour opaque white.
void begin_ortho_white();
// Undoes the matching begin_ortho; sections may nest.
void end_ortho();
// The matrices alone: identity projection and a 0..1 orthographic model-view,
// both pushed; pop_unit_square pops them and leaves model-view current.
void push_unit_square();
void pop_unit_square();
// The state a scene starts from: lighting, blending and 2D and rectangle texturing off, depth
// testing on. With `unit_ortho` the matrices become the unit square too, replacing (not
// saving) what they held.
void reset_scene_state(bool unit_ortho);

// The unit square with texture coordinates 0..width x 0..height: a rectangle texture read
// texel for texel.
void quad_texel(float width, float height);
// The unit square with texture coordinates 0..1.
void quad_unit();
// The texture over the unit square on the active unit; 1D and unknown targets draw nothing.
void draw_texture(const cTextureDesc& texture);
// The target's image over the current viewport, read on unit 0.
void draw_target(iRenderTarget& target);
// The left width/a texels of the target, stretched over the left 1/b of the viewport, with
// blending off.
void draw_partial(iRenderTarget& target, float a, float b);
// Target i bound on texture unit i (a null entry leaves its unit alone) and drawn over the
// viewport in one quad, each unit's coordinates spanning its target's texels; all unbound
// after, unit 0 active.
void draw_targets(std::initializer_list<iRenderTarget*> targets);

// The picture's viewport: the whole window when stretched, else the picture centred in it.
void set_picture_viewport(const cDisplaySettings& settings);
