// grade: a frame's finishing colour steps in one pass.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cSavedState.h"
#include "render/cScopedTexture.h"
#include "render/cShaderManager_CG.h"
#include "render/cTexelReads.h"
#include "shaders/GammaWeights.h"
#include "shaders/cShdGrade.h"

#include <string>
#include <utility>

namespace {

constexpr GLenum kTableUnit = GL_TEXTURE2, kMultiplyUnit = GL_TEXTURE4;

// The texture when it loaded and has the target the program reads; otherwise none, and its
// step is left out.
const cTextureDesc* usable(const cTextureDesc* texture, GLenum target) {
    return texture && texture->valid() && texture->target == static_cast<GLint>(target) ? texture
                                                                                        : nullptr;
}

bool changes(const cHsbParams* hsb) {
    return hsb && (hsb->hue != 0 || hsb->saturation != 0 || hsb->brightness != 0);
}

bool changes(const cLevelsParams* l) {
    return l && (l->inBlack != 0 || l->inWhite != 255 || l->Gamma != 1 || l->outBlack != 0 ||
                 l->outWhite != 255);
}

// The steps drawn, as a sum of cShdGrade::eStep, with the program of exactly those steps
// registered under a name of its own. Steps that change nothing are left out: the software
// renderer would run them whole.
unsigned grade_program(const cGradeSteps& steps, const cTextureDesc* table,
                       const cTextureDesc* multiply, std::string& name) {
    unsigned drawn = 0;
    for (const auto& [present, step] :
         {std::make_pair(changes(steps.pre_levels), cShdGrade::kPreLevels),
          std::make_pair(changes(steps.pre_levels) && steps.pre_levels->Gamma == 1,
                         cShdGrade::kPreStraight),
          std::make_pair(steps.glow != nullptr, cShdGrade::kGlow),
          std::make_pair(table != nullptr, cShdGrade::kTable),
          std::make_pair(changes(steps.hsb), cShdGrade::kHsb),
          std::make_pair(changes(steps.levels), cShdGrade::kLevels),
          std::make_pair(changes(steps.levels) && steps.levels->Gamma == 1, cShdGrade::kStraight),
          std::make_pair(changes(steps.levels) && steps.levels->Gamma != 1 &&
                             gamma_fits(steps.levels->Gamma),
                         cShdGrade::kFittedGamma),
          std::make_pair(multiply != nullptr, cShdGrade::kMultiply),
          std::make_pair(steps.overlay != nullptr, cShdGrade::kOverlay)})
        drawn |= present ? step : 0u;
    name = "grade_shader_" + std::to_string(drawn);
    ensure_shader<cShdGrade>(name, drawn);
    return drawn;
}

// The record of the steps that take values; the programs without any take none.
void send_record(const std::string& program, unsigned drawn, const cGradeSteps& steps,
                 const cTextureDesc* multiply) {
    if (!(drawn & cShdGrade::kTakesValues))
        return;
    const cHsbParams hsb = steps.hsb ? *steps.hsb : cHsbParams{};
    const cLevelsParams levels = steps.levels ? *steps.levels : cLevelsParams{};
    const cLevelsParams first = steps.pre_levels ? *steps.pre_levels : cLevelsParams{};
    const float width = multiply ? static_cast<float>(multiply->width) : 1;
    const float height = multiply ? static_cast<float>(multiply->height) : 1;
    float values[cShdGrade::kCount] = {
        hsb.hue,         hsb.saturation, hsb.brightness,  levels.inBlack,
        levels.inWhite,  levels.Gamma,   levels.outBlack, levels.outWhite,
        steps.glow_gain, width,          height,          first.inBlack,
        first.inWhite,   first.Gamma,    first.outBlack,  first.outWhite};
    cShaderParameter<float*> parameter(values);
    shader_manager().set_parameter(program, cShdBase::kIndex, &parameter);
}

} // namespace

void grade(iRenderTarget& source, const cGradeSteps& steps) {
    const cPostSpan span;
    // A table that did not load, or is not one row, is left out as the correction leaves it.
    const cTextureDesc* table = usable(steps.table, GL_TEXTURE_1D);
    const cTextureDesc* multiply = usable(steps.multiply, GL_TEXTURE_RECTANGLE_ARB);
    std::string program;
    const unsigned drawn = grade_program(steps, table, multiply, program);
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    send_record(program, drawn, steps, multiply);
    shaders.bind(program);
    {
        const cSavedState saved(GL_COLOR_BUFFER_BIT);
        glDisable(GL_BLEND);
        const cScopedTexture table_bound(table, kTableUnit);
        const cScopedTexture multiply_bound(multiply, kMultiplyUnit);
        // The program reads the picture where the quad puts it.
        const cTexelReads at_centres({&source});
        draw_targets({&source, steps.glow, nullptr, steps.overlay});
    }
    ext::glActiveTexture(GL_TEXTURE0);
    shaders.pop_shader();
}
