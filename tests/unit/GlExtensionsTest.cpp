#include "render/GlExtensions.h"

#include <gtest/gtest.h>

TEST(GlExtensions, MatchesWholeWordsOnly) {
    const struct {
        const char* list;
        bool present;
    } cases[] = {
        {"GL_ARB_multitexture", true},
        {"GL_A GL_ARB_multitexture GL_B", true},
        {"GL_ARB_multitexture_extra GL_B", false},               // only the start of a longer word
        {"GL_X_GL_ARB_multitexture", false},                     // only the end of a longer word
        {"GL_ARB_multitexture_extra GL_ARB_multitexture", true}, // a later whole word
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(extension_present(c.list, "GL_ARB_multitexture"), c.present) << c.list;
    EXPECT_FALSE(extension_present("GL_A GL_B", ""));
}
