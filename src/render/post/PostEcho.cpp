// echo: copies of a picture, each shifted and faded, blended one over another in one pass.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/ShaderRegistry.h"
#include "render/cSavedState.h"
#include "render/cScopedTexture.h"
#include "render/cShaderManager_CG.h"
#include "shaders/cShdEcho.h"

#include <GL/gl.h>
#include <algorithm>

static_assert(std::tuple_size<tEchoShifts>::value == cShdEcho::kCopies);

void echo(const cTextureDesc& picture, const tEchoShifts& shifts, float alpha, int border) {
    const int width = picture.width - 2 * border, height = picture.height - 2 * border;
    if (!picture.valid() || picture.target != GL_TEXTURE_RECTANGLE_ARB || alpha <= 0 ||
        border < 0 || width <= 0 || height <= 0)
        return;
    const cPostSpan span;
    // Copies all in one place (the echo's first frames) compose in closed form from one read.
    const bool together =
        std::all_of(shifts.begin(), shifts.end(), [&](float s) { return s == shifts.front(); });
    const char* program = together ? "echo_together_shader" : "echo_shader";
    ensure_shader<cShdEcho>(program, together);
    const auto w = static_cast<float>(width), h = static_cast<float>(height);
    const auto b = static_cast<float>(border);
    float values[cShdEcho::kCount] = {alpha, w};
    std::copy(shifts.begin(), shifts.end(), values + 2);
    values[2 + cShdEcho::kCopies] = b;
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    cShaderParameter<float*> parameter(values);
    shaders.set_parameter(program, cShdBase::kIndex, &parameter);
    shaders.bind(program);
    {
        const cSavedState saved(GL_COLOR_BUFFER_BIT);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA); // the program's colour is already weighed
        const auto [left, right] = std::minmax_element(shifts.begin(), shifts.end());
        const float x0 = *left, x1 = 1 + *right;
        const cScopedTexture bound(picture);
        glBegin(GL_QUADS);
        glTexCoord2f(x0 * w + b, b);
        glVertex3f(x0, 0, 0);
        glTexCoord2f(x1 * w + b, b);
        glVertex3f(x1, 0, 0);
        glTexCoord2f(x1 * w + b, h + b);
        glVertex3f(x1, 1, 0);
        glTexCoord2f(x0 * w + b, h + b);
        glVertex3f(x0, 1, 0);
        glEnd();
    }
    shaders.pop_shader();
}
