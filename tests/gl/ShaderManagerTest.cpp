#include "ShaderFixture.h"

#include "render/ScreenHelpers.h"
#include "shaders/cShdBlurTex.h"
#include "shaders/cShdLevels.h"
#include "shaders/cShdLightmap.h"
#include "shaders/cShdPostSpillAdd.h"

#include "platform/PathFunctions.h"

#include <SDL.h>
#include <fstream>

namespace {

std::string source(const char* name) {
    return testing::TempDir() + name;
}

// A shader whose program files the test writes.
class cShdTest : public cShader_CG {
public:
    cShdTest(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile)
        : cShader_CG(vertex_profile, manager, fragment_profile) {
        load_from_files(source("test_vert.glsl"), source("test_frag.glsl"));
    }
    void init_parameters() override {}
    void upload_parameters() override {}
    void unbind() override {}
};

using ShaderManagerTest = cShaderFixture;

// Levels values a shader keeps by pointer only for the length of the call, or one value alone.
void send(const std::string& name, std::vector<float> values, int index = cShdBase::kIndex) {
    cShaderParameter<float*> several(values.data());
    cShaderParameter<float> one(values[0]);
    shader_manager().set_parameter(
        name, index, values.size() > 1 ? static_cast<cShaderParameterBase*>(&several) : &one);
}

// The first component of a uniform of the program GL draws with.
float uniform_value(const char* name) {
    static const auto location = reinterpret_cast<PFNGLGETUNIFORMLOCATIONPROC>(
        SDL_GL_GetProcAddress("glGetUniformLocation"));
    static const auto value =
        reinterpret_cast<PFNGLGETUNIFORMFVPROC>(SDL_GL_GetProcAddress("glGetUniformfv"));
    float values[4] = {-1, -1, -1, -1};
    GLint program = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    value(GLuint(program), location(GLuint(program), name), values);
    return values[0];
}

// The red the bound program gives texel (0, 0) on unit 0, drawn over a 1 x 1 viewport.
int drawn_red() {
    glViewport(0, 0, 1, 1);
    glDisable(GL_BLEND);
    begin_ortho();
    quad_texel(1, 1);
    end_ortho();
    return read_view()[0];
}

} // namespace

TEST_F(ShaderManagerTest, DuplicateRegistrationWarnsOnceAndKeepsTheFirst) {
    auto& manager = shader_manager();
    manager.register_shader<cShdLevels>("levels_shader");
    cShader* first = manager.find("levels_shader");
    cCapture capture;
    manager.register_shader<cShdBlurTex>("levels_shader");
    EXPECT_EQ(capture.err(), "# warning: shader \"levels_shader\" already exists! Skipping...\n");
    EXPECT_EQ(manager.find("levels_shader"), first);
}

TEST_F(ShaderManagerTest, UnknownBindWarnsAndLeavesTheBoundShaderInEffect) {
    auto& manager = shader_manager();
    manager.register_shader<cShdLevels>("levels_shader");
    manager.bind("levels_shader");
    const GLint program = gl_program();
    cCapture capture;
    manager.bind("no_such_shader");
    EXPECT_NE(capture.err().find("\"no_such_shader\""), std::string::npos);
    EXPECT_EQ(manager.current(), "levels_shader");
    EXPECT_EQ(gl_program(), program);
}

// A record at another index than 1, or of another type than the class takes, is read as
// nothing: one warning, and the program draws with the value it had. A class without values
// refuses every record.
TEST_F(ShaderManagerTest, AMisplacedRecordWarnsAndLeavesTheProgramsValue) {
    shader_manager().register_shader<cShdLevels>("levels_shader");
    shader_manager().register_shader<cShdLightmap>("lightmap_shader", true);
    for (const auto& [name, uniform, count] :
         {std::tuple("levels_shader", "inWhite", 5), std::tuple("lightmap_shader", "blend", 1)}) {
        shader_manager().bind(name);
        send(name, std::vector<float>(count, 0.25f));
        const float kept = uniform_value(uniform);
        for (const auto& [index, other_count] :
             {std::pair(0, count), std::pair(2, count), std::pair(cShdBase::kIndex, 6 - count)}) {
            cCapture capture;
            send(name, std::vector<float>(other_count, 0.75f), index);
            EXPECT_NE(capture.err().find("# warning: "), std::string::npos) << name << index;
            EXPECT_EQ(uniform_value(uniform), kept) << name << " index " << index;
        }
        send(name, std::vector<float>(count, 0.75f));
        EXPECT_NE(uniform_value(uniform), kept) << name << " takes its own record";
    }
    shader_manager().register_shader<cShdPostSpillAdd>("spill_shader");
    cShaderParameter<float> one(1.0f);
    EXPECT_THROW(shader_manager().set_parameter("spill_shader", 1, &one), std::exception);
}

TEST_F(ShaderManagerTest, NestedPushAndPopRestoreEachOuterShader) {
    auto& manager = shader_manager();
    manager.register_shader<cShdLevels>("levels_shader");
    manager.register_shader<cShdBlurTex>("blur_shader");
    manager.push_shader(); // nothing bound
    manager.bind("levels_shader");
    const GLint levels = gl_program();
    manager.push_shader();
    manager.bind("blur_shader");
    const GLint blur = gl_program();
    manager.push_shader();
    manager.bind("levels_shader");
    for (const auto& [name, program] : {std::pair<std::string, GLint>("blur_shader", blur),
                                        {"levels_shader", levels},
                                        {"null_shader", 0}}) {
        manager.pop_shader();
        EXPECT_EQ(manager.current(), name);
        EXPECT_EQ(gl_program(), program);
    }
}

TEST_F(ShaderManagerTest, ParametersReachTheBoundShaderAtOnceAndAnOtherOnItsNextBind) {
    auto& manager = shader_manager();
    manager.register_shader<cShdLevels>("levels_shader");
    manager.register_shader<cShdBlurTex>("blur_shader");
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB,
                  texture(GL_TEXTURE_RECTANGLE_ARB, 1, 1, {100, 100, 100, 255}));
    manager.bind("levels_shader");
    EXPECT_EQ(drawn_red(), 0) << "the initial cut at 200";
    send("levels_shader", {0, 255, 1, 0, 255});
    EXPECT_EQ(drawn_red(), 100);
    manager.bind("blur_shader");
    send("levels_shader", {0, 255, 1, 255, 0});
    EXPECT_EQ(drawn_red(), 100) << "blur passes a flat image";
    manager.bind("levels_shader");
    EXPECT_EQ(drawn_red(), 155);
}

// A program pair that cannot be read, compiled or linked ends the process with code -1 and the
// GLSL log; an empty source stands for a missing file.
TEST_F(ShaderManagerTest, BrokenProgramsEndTheProcessWithTheListing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string vertex = "#version 120\nvoid main() { gl_Position = ftransform(); }\n";
    const struct {
        std::string vertex, fragment, expected;
    } cases[] = {
        {vertex, "#version 120\nvoid main() { gl_FragColor = colour; }\n",
         "The compile returned an error\\..*test_frag\\.glsl:.*colour"},
        {vertex, "#version 120\nvarying vec4 shade;\nvoid main() { gl_FragColor = shade; }\n",
         "could not be linked\\..*test_vert\\.glsl with .*test_frag\\.glsl:.*shade"},
        {"", "", "could not be read\\.\ncannot read .*test_vert\\.glsl"},
    };
    for (const auto& c : cases) {
        std::remove(source("test_vert.glsl").c_str());
        if (!c.vertex.empty())
            std::ofstream(source("test_vert.glsl")) << c.vertex;
        std::ofstream(source("test_frag.glsl")) << c.fragment;
        EXPECT_EXIT(
            {
                shader_manager().register_shader<cShdTest>("test_shader");
                shader_manager().bind("test_shader");
                std::exit(0);
            },
            testing::ExitedWithCode(255), c.expected + ".*Cg error, exiting\\.\\.\\.\n");
    }
}

// An edited program is compiled again and drawn with at the next bind; an edit that does not
// compile or link prints warning lines with the listing and the old pair goes on drawing.
TEST_F(ShaderManagerTest, AnEditedProgramReloadsAndABrokenEditKeepsTheOldOne) {
    const std::string vertex = "#version 120\nvoid main() { gl_Position = ftransform(); }\n";
    const auto fragment = [](const char* body) {
        std::ofstream(source("test_frag.glsl")) << "#version 120\nvoid main() { " << body << " }\n";
    };
    std::ofstream(source("test_vert.glsl")) << vertex;
    fragment("gl_FragColor = vec4(0.2, 0.0, 0.0, 1.0);");
    cShaderManager_CG& manager = shader_manager();
    manager.register_shader<cShdTest>("test_shader");
    manager.bind("test_shader");
    EXPECT_NEAR(drawn_red(), 51, 1);
    const std::string file = file_identity(source("test_frag.glsl"));
    const struct {
        const char* body;
        int red;
        const char* says;
    } edits[] = {{"gl_FragColor = vec4(0.6, 0.0, 0.0, 1.0);", 153, "# reloaded shader"},
                 {"gl_FragColor = colour;", 153, "# warning: The compile returned an error"},
                 {"gl_FragColor = vec4(shade, 1.0);", 153, "# warning: "}};
    for (const auto& e : edits) {
        SCOPED_TRACE(e.body);
        fragment(e.body);
        cCapture capture;
        EXPECT_TRUE(manager.reload_file(file));
        EXPECT_NE((capture.out() + capture.err()).find(e.says), std::string::npos)
            << capture.out() << capture.err();
        EXPECT_EQ(manager.current(), "test_shader") << "the bound shader stays bound";
        EXPECT_NEAR(drawn_red(), e.red, 1);
    }
    EXPECT_FALSE(manager.reload_file(file_identity(source("unused.glsl"))));
}
