// The image effects that finish a frame: each reads render targets on texture units 0 and 1,
// draws with the screen helpers and returns with the caller's shader, blend factors, depth
// write mask, matrices and unit 0 active, its pooled temporaries given back.
#pragma once

#include "PostParams.h"
#include "render/cTextureDesc.h"
#include "render/cTmpRenderTarget.h"
#include "render/iRenderTarget.h"

#include <array>

// The spill's cut levels shared by the whole demo, with the default cuts until a scene sets
// them.
cCutLevels& cut_levels();
// Registers "levels_shader", its gamma-1 twin "levels_straight_shader" and the twin whose
// gamma is a sum of powers, "levels_fitted_shader", once; the levels records' owners call it
// before drawing.
void register_levels_shader();
// Registers the programs of the two-image combine once.
void register_combine_shaders();

// The source through a levels curve (points on 0..255) into the current framebuffer, through
// the straight program when the gamma is 1 and the fitted one when the sum of powers stands
// for its gamma. `program` is another registered program that takes the levels record.
void levels(iRenderTarget& source, const cLevelsParams& curve, const char* program = nullptr);
// The source with hue turned, saturation and brightness changed, into the framebuffer. With a
// mask (a 2D texture stretched over the picture) its brightness becomes the alpha.
void hsb(const cHsbParams& params, iRenderTarget& source, const cTextureDesc* mask = nullptr);
// A separable blur of the source into the destination, which may be the source itself.
// `program` is another registered program that takes the blur's direction.
void blur(iRenderTarget& source, iRenderTarget& destination, const char* program = "blur_shader");

enum eCombineMode { COMBINE_SPILL = 1, COMBINE_DODGE = 2 };
// A (unit 0) and B (unit 1) combined into the framebuffer; another mode uses the shader
// already bound.
void combine(iRenderTarget& a, iRenderTarget& b, int mode);

// The source with the glow of its parts above pre_cut added: the bright pass made at `type`'s
// size, the glow scaled from post_cut up through a temporary of `type`.
void spill(iRenderTarget& source, const cCutLevels& cut, eRTType type);
// The source's parts above the pre cut, blurred three times at `type`'s size: the glow the
// spill adds, in `bright`. Made as soft_blur makes its blur.
void spill_bright(iRenderTarget& source, cTmpRenderTarget& bright, eRTType type,
                  const cCutLevels& cut);
// The spill's bright pass: what lies below the pre cut dropped, the rest stretched to white.
cLevelsParams spill_curve(const cCutLevels& cut);
// The source through the curve, blurred three times at `type`'s size, in `blurred`, acquired
// here and released by the caller. Where the pool has half that size (and the curve is
// straight) the blur is made there, one blur as wide as the three, and left at half size:
// whoever reads it stretches it, as draw_targets and the grade do.
void soft_blur(iRenderTarget& source, cTmpRenderTarget& blurred, eRTType type,
               const cLevelsParams& curve = {});
// The factor the spill scales its glow by before adding it: from the post cut up to white.
float spill_gain(const cCutLevels& cut);
// The source with its blurred bright pass (at `type`'s size) added, into destination; the
// framebuffer is left as it was.
void spill_into(eRTType type, iRenderTarget& source, const cCutLevels& cut,
                iRenderTarget& destination);
// spill at half size.
void spill_half(const cCutLevels& cut, iRenderTarget& source);

// The source drawn over the bound target through `program` (none: the plain texture, read
// linearly), whatever the two sizes; depth, lighting and blending off for the draw.
void draw_through(iRenderTarget& source, const char* program);

// The bound target filled with the source summed in `layers` copies zoomed about the
// centre, each fainter than the one before, clamped once.
void glow_layers(iRenderTarget& source, const cGlowParams& params);
// glow_layers of a blurred quarter-size copy of the source, summed at that size into
// `summed` (acquired here, released by the caller) divided by the returned gain, 1, 2 or 4,
// so that sums above 1 stay unclamped: read it with that gain, as the grade's glow step can.
int glow_quarter(cTmpRenderTarget& summed, iRenderTarget& source, const cGlowParams& params);
// glow_quarter magnified into destination with its gain, clamped.
void glow(iRenderTarget& destination, iRenderTarget& source, const cGlowParams& params);

// Every row of the destination becomes the average colour of that row of the source. The
// destination is a full, half or quarter pool target.
void row_resample(iRenderTarget& source, iRenderTarget& destination);

// Each echo copy's shift along x, in widths of the picture, the first copy lowest.
using tEchoShifts = std::array<float, 25>;
// Copies of the picture (a rectangle texture) over the unit square of the current matrices,
// copy i shifted along x by shifts[i] and faded to alpha times its own alpha, each blended
// over the ones before: what drawing them one after another gives, in one pass and rounded
// once. Blending, the blend factors and the caller's shader are as they were after. With a
// `border`, the picture lies that many texels inside the texture, ringed by transparent black
// (a cBorderedPicture: reads as of the picture clamped to such a border, only faster).
void echo(const cTextureDesc& picture, const tEchoShifts& shifts, float alpha, int border = 0);

// The steps that finish a frame, each left out when absent.
struct cGradeSteps {
    iRenderTarget* glow = nullptr;       // times the gain, added and clamped, stretched over
    const cTextureDesc* table = nullptr; // a 256 x 1 correction table (1D)
    const cHsbParams* hsb = nullptr;
    const cLevelsParams* levels = nullptr;
    iRenderTarget* overlay = nullptr; // laid over the result by its alpha, stretched likewise
    float glow_gain = 1;
    const cTextureDesc* multiply = nullptr;    // a rectangle texture stretched over the picture
    const cLevelsParams* pre_levels = nullptr; // on the source, before everything else
};
// The source through the steps into the framebuffer in one pass: the first levels, the glow,
// the table, hsb, levels, the multiply and the overlay, in that order, as combine, a colour
// correction, hsb, levels, a multiplying blend and a blend over drawn one after another give, in
// floating point and rounded once. The source's alpha stays.
void grade(iRenderTarget& source, const cGradeSteps& steps);
