#include "render/GlExtensions.h"
#include "support/Capture.h"

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

// Each missing optional extension is one warning; a missing ARB rectangle names the EXT one.
TEST(GlExtensions, WarnsOncePerMissingOptionalExtension) {
    const auto warnings = [](const std::string& extensions) {
        cCapture capture;
        report_optional_extensions(extensions);
        return capture.err();
    };
    const std::string with_ext = warnings("GL_EXT_texture_rectangle GL_ARB_multisample");
    EXPECT_EQ(with_ext.find("GL_ARB_multisample"), std::string::npos);
    EXPECT_NE(with_ext.find("GL_ARB_texture_rectangle not supported\n"
                            "           GL_EXT_texture_rectangle supported though\n"),
              std::string::npos);
    EXPECT_NE(warnings("").find("GL_ARB_texture_rectangle not supported\n"
                                "# WARNING: GL_EXT_texture_rectangle not supported\n"),
              std::string::npos);
}
