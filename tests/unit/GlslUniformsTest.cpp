#include "platform/GlslUniforms.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> described(const std::string& source) {
    std::vector<std::string> out;
    for (const sGlslUniform& u : glsl_uniforms(source))
        out.push_back(u.type + " " + u.name);
    return out;
}

} // namespace

TEST(GlslUniformsTest, DeclarationsAreFoundOutsideComments) {
    const struct {
        const char* source;
        std::vector<std::string> uniforms;
    } cases[] = {
        {"uniform float a;\nuniform vec2 dir;", {"float a", "vec2 dir"}},
        {"uniform float inBlack, inWhite ,Gamma;",
         {"float inBlack", "float inWhite", "float Gamma"}},
        {"uniform float w[8];\nuniform float k = 2.0;", {"float w", "float k"}},
        {"// uniform float gone;\n/* uniform vec3 also;\n */ uniform sampler2DRect image0;",
         {"sampler2DRect image0"}},
        {"float uniformity; varying vec3 uniform_ish;", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(described(c.source), c.uniforms) << c.source;
}

// A sampler whose name ends in one or two digits binds that texture unit, any other the
// unit of its place.
TEST(GlslUniformsTest, SamplerUnits) {
    EXPECT_EQ(glsl_sampler_unit("image0", 3), 0);
    EXPECT_EQ(glsl_sampler_unit("mask1", 0), 1);
    EXPECT_EQ(glsl_sampler_unit("gradient", 2), 2);
}

// Defines go after the #version line, which must stay first, and the file's own lines keep
// their numbers in the compiler's messages.
TEST(GlslUniformsTest, DefinesFollowTheVersionLine) {
    const char* args[] = {"-DGLOW", "-DSTEPS=3", "-O3", nullptr};
    EXPECT_EQ(glsl_with_defines("#version 120\nvoid main() {}\n", args),
              "#version 120\n#define GLOW\n#define STEPS 3\n#line 2\nvoid main() {}\n");
    EXPECT_EQ(glsl_with_defines("void main() {}", args),
              "#define GLOW\n#define STEPS 3\n#line 1\nvoid main() {}");
    EXPECT_EQ(glsl_with_defines("#version 120", args),
              "#version 120\n#define GLOW\n#define STEPS 3\n#line 2\n");
    const char* none[] = {"-O3", nullptr};
    EXPECT_EQ(glsl_with_defines("#version 120\n", none), "#version 120\n");
    EXPECT_EQ(glsl_with_defines("#version 120\n", nullptr), "#version 120\n");
}
