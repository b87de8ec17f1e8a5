// Reads the uniform declarations of a GLSL source, so the shader runtime can name a program's
// parameters before the program is linked. Comments never declare anything; each name of a
// declaration list is one uniform; array sizes and initialisers are dropped.
#pragma once

#include <string>
#include <vector>

struct sGlslUniform {
    std::string type; // "float", "vec2", "sampler2DRect", ...
    std::string name;
};

std::vector<sGlslUniform> glsl_uniforms(const std::string& source);

// Floats a uniform of this type holds: 1 to 4 for float and vecN, 0 for anything else.
int glsl_float_count(const std::string& type);
bool glsl_is_sampler(const std::string& type);
// The texture unit a sampler reads: the number its name ends in, else its place among the
// program's samplers.
int glsl_sampler_unit(const std::string& name, int place);
