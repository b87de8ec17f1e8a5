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

// The source with a "#define NAME VALUE" line for each "-DNAME=VALUE" or "-DNAME" argument of
// the null-terminated list (others are ignored), after its #version line; a #line directive
// keeps the compiler's line numbers those of the file.
std::string glsl_with_defines(const std::string& source, const char* const* args);

// Floats a uniform of this type holds: 1 to 4 for float and vecN, 0 for anything else.
int glsl_float_count(const std::string& type);
bool glsl_is_sampler(const std::string& type);
// The texture unit a sampler reads: the number its name ends in, else its place among the
// program's samplers.
int glsl_sampler_unit(const std::string& name, int place);
