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
        {"GL_A GL_ARB_multitexture", true},
        {"GL_ARB_multitexture_extra GL_B", false},               // only the start of a longer word
        {"GL_X_GL_ARB_multitexture", false},                     // only the end of a longer word
        {"GL_ARB_multitexture_extra GL_ARB_multitexture", true}, // a later whole word
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(extension_present(c.list, "GL_ARB_multitexture"), c.present) << c.list;
    EXPECT_FALSE(extension_present("GL_A GL_B", ""));
}

TEST(GlExtensions, WarnsForEachMissingOptionalExtensionInOrder) {
    const std::string all =
        "GL_SGIS_texture_lod GL_SGIS_generate_mipmap GL_ARB_texture_env_add "
        "GL_EXT_texture_lod_bias GL_ARB_texture_float GL_ARB_texture_rectangle "
        "GL_ARB_multisample GL_ARB_texture_non_power_of_two GL_ARB_pixel_buffer_object "
        "GL_ARB_point_sprite";
    {
        cCapture capture;
        report_optional_extensions(all);
        EXPECT_EQ(capture.err(), "");
    }
    {
        cCapture capture;
        report_optional_extensions("GL_EXT_texture_rectangle GL_ARB_multisample");
        EXPECT_EQ(capture.err(),
                  "# WARNING: GL_SGIS_texture_lod not supported\n"
                  "# WARNING: GL_SGIS_generate_mipmap not supported\n"
                  "# WARNING: GL_ARB_texture_env_add not supported\n"
                  "# WARNING: EXT_texture_lod_bias not supported\n"
                  "# WARNING: GL_ARB_texture_float not supported\n"
                  "# WARNING: GL_ARB_texture_rectangle not supported\n"
                  "           GL_EXT_texture_rectangle supported though\n"
                  "# WARNING: GL_ARB_texture_non_power_of_two not supported!\n"
                  "# WARNING: \tGL_ARB_pixel_buffer_object not supported! (go bug your "
                  "hardware-vendor)\n"
                  "# WARNING: \tGL_ARB_point_sprite not supported! (go bug your "
                  "hardware-vendor)\n");
    }
    cCapture capture;
    report_optional_extensions("GL_ARB_multisample");
    EXPECT_NE(capture.err().find("# WARNING: GL_ARB_texture_rectangle not supported\n"
                                 "# WARNING: GL_EXT_texture_rectangle not supported\n"),
              std::string::npos);
}
