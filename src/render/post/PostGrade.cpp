// grade: a frame's finishing colour steps in one pass.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cShaderManager_CG.h"
#include "shaders/cShdGrade.h"

#include <string>
#include <utility>

namespace {

void bind_table(const cTextureDesc* table) {
    ext::glActiveTexture(GL_TEXTURE2);
    glEnable(GL_TEXTURE_1D);
    glBindTexture(GL_TEXTURE_1D, static_cast<GLuint>(table->id));
}

void unbind_table() {
    ext::glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_1D, 0);
    glDisable(GL_TEXTURE_1D);
}

// The steps drawn, as a sum of cShdGrade::eStep, with the program of exactly those steps
// registered under a name of its own.
unsigned grade_program(const cGradeSteps& steps, const cTextureDesc* table, std::string& name) {
    unsigned drawn = 0;
    for (const auto& [present, step] :
         {std::make_pair(steps.glow != nullptr, cShdGrade::kGlow),
          std::make_pair(table != nullptr, cShdGrade::kTable),
          std::make_pair(steps.hsb != nullptr, cShdGrade::kHsb),
          std::make_pair(steps.levels != nullptr, cShdGrade::kLevels),
          std::make_pair(steps.overlay != nullptr, cShdGrade::kOverlay)})
        drawn |= present ? step : 0u;
    name = "grade_shader_" + std::to_string(drawn);
    ensure_shader<cShdGrade>(name, drawn);
    return drawn;
}

// The hsb and levels record; the programs without either take none.
void send_record(const std::string& program, unsigned drawn, const cGradeSteps& steps) {
    if (!(drawn & (cShdGrade::kHsb | cShdGrade::kLevels)))
        return;
    const cHsbParams hsb = steps.hsb ? *steps.hsb : cHsbParams{};
    const cLevelsParams levels = steps.levels ? *steps.levels : cLevelsParams{};
    float values[cShdGrade::kCount] = {hsb.hue,         hsb.saturation, hsb.brightness,
                                       levels.inBlack,  levels.inWhite, levels.Gamma,
                                       levels.outBlack, levels.outWhite};
    cShaderParameter<float*> parameter(values);
    shader_manager().set_parameter(program, cShdBase::kIndex, &parameter);
}

} // namespace

void grade(iRenderTarget& source, const cGradeSteps& steps) {
    const cPostSpan span;
    // A table that did not load, or is not one row, is left out as the correction leaves it.
    const cTextureDesc* table =
        steps.table && steps.table->valid() && steps.table->target == GL_TEXTURE_1D ? steps.table
                                                                                    : nullptr;
    std::string program;
    const unsigned drawn = grade_program(steps, table, program);
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    send_record(program, drawn, steps);
    shaders.bind(program);
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    if (table)
        bind_table(table);
    draw_targets({&source, steps.glow, nullptr, steps.overlay}); // the table is on unit 2
    if (table)
        unbind_table();
    ext::glActiveTexture(GL_TEXTURE0);
    glPopAttrib();
    shaders.pop_shader();
}
