#include "ShaderFixture.h"

#include "shaders/cShdBlurTex.h"
#include "shaders/cShdFlare.h"
#include "shaders/cShdLevels.h"
#include "shaders/cShdLightmap.h"
#include "shaders/cShdMorphDS.h"
#include "shaders/cShdPostHSB.h"
#include "shaders/cShdPostSpillAdd.h"
#include "shaders/cShdXray.h"

#include <SDL.h>
#include <fstream>
#include <regex>

namespace {

const std::string kStartup = "# cg: Cg compiletime version: 1502\n"
                             "# cg: Chose cg vertex-profile:\tCG_PROFILE_VP40\n"
                             "# cg:Chose cg fragment-profile:\tCG_PROFILE_FP40\n";

// A shader whose sources the test writes: a valid pass-through pair unless told otherwise.
struct sTestSources {
    static inline std::string vertex =
        "#version 120\nvoid main() { gl_Position = ftransform(); }\n";
    static inline std::string fragment = "#version 120\nvoid main() { gl_FragColor = vec4(1); }\n";
    static std::string path(const char* name) { return testing::TempDir() + name; }
    static void write() {
        std::ofstream(path("test_vert.glsl")) << vertex;
        std::ofstream(path("test_frag.glsl")) << fragment;
    }
};

class cShdTest : public cShader_CG {
public:
    cShdTest(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile)
        : cShader_CG(vertex_profile, manager, fragment_profile) {
        load_from_files(sTestSources::path("test_vert.glsl"), sTestSources::path("test_frag.glsl"));
    }
    void init_parameters() override {}
    void upload_parameters() override {}
    void unbind() override {}
};

using ShaderManagerTest = cShaderFixture;

// Five levels values a shader keeps by pointer only for the length of the call.
void send_levels(std::vector<float> values) {
    cShaderParameter<float*> parameter(values.data());
    shader_manager().set_parameter("levels_shader", cShdBase::kIndex, &parameter);
}

template <class T> void add(const std::string& name) {
    shader_manager().register_shader<T>(name);
}

// Five copies of v as a pointer record, or v alone.
void send(const std::string& name, bool array, float v, int index) {
    float values[5] = {v, v, v, v, v};
    cShaderParameter<float*> several(values);
    cShaderParameter<float> one(v);
    shader_manager().set_parameter(name, index,
                                   array ? static_cast<cShaderParameterBase*>(&several) : &one);
}

// The first component of a uniform of the program GL draws with.
float uniform_value(const char* name) {
    static const auto location = reinterpret_cast<PFNGLGETUNIFORMLOCATIONPROC>(
        SDL_GL_GetProcAddress("glGetUniformLocation"));
    static const auto value =
        reinterpret_cast<PFNGLGETUNIFORMFVPROC>(SDL_GL_GetProcAddress("glGetUniformfv"));
    GLint program = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    float values[4] = {-1, -1, -1, -1};
    value(GLuint(program), location(GLuint(program), name), values);
    return values[0];
}

} // namespace

TEST_F(ShaderManagerTest, InitReportsVersionAndProfilesAndLeavesFixedFunction) {
    EXPECT_EQ(startup_out_, kStartup);
    EXPECT_EQ(shader_manager().current(), "null_shader");
    EXPECT_EQ(gl_program(), 0);
}

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
    for (const std::string before : {"null_shader", "levels_shader"}) {
        manager.bind(before);
        const GLint program = gl_program();
        cCapture capture;
        manager.bind("no_such_shader");
        EXPECT_EQ(capture.err(), "#WARNING in cShaderManager_CG::bind: trying to bind unknown "
                                 "shader: \"no_such_shader\"\n");
        EXPECT_EQ(manager.current(), before);
        EXPECT_EQ(gl_program(), program);
    }
}

// One rule for every class that takes values: a record at another index than its own, or of
// another type, prints one warning naming the class and the index, and the program draws with
// the value it had. A class without values refuses every record.
TEST_F(ShaderManagerTest, AMisplacedRecordWarnsAndLeavesTheProgramsValue) {
    const struct {
        void (*add)(const std::string&);
        const char* name;
        const char* uniform;
        bool array; // the class takes a pointer to floats, else one float
    } cases[] = {
        {add<cShdBlurTex>, "cShdBlurTex", "sampledir", true},
        {add<cShdLevels>, "cShdLevels", "inWhite", true},
        {add<cShdPostHSB>, "cShdPostHSB", "S_adjust", true},
        {add<cShdLightmap>, "cShdLightmap", "blend", false},
        {add<cShdXray>, "cShdXray", "inv", false},
        {add<cShdFlare>, "cShdFlare", "uvshift", false},
        {add<cShdMorphDS>, "cShdMorphDS", "cur_t", false},
    };
    for (const auto& c : cases) {
        c.add(c.name);
        shader_manager().bind(c.name);
        send(c.name, c.array, 0.25f, cShdBase::kIndex);
        const float kept = uniform_value(c.uniform);
        for (const auto& [index, array] : {std::pair(0, c.array), std::pair(2, c.array),
                                           std::pair(cShdBase::kIndex, !c.array)}) {
            cCapture capture;
            send(c.name, array, 0.75f, index);
            const std::regex warning("# warning: " + std::string(c.name) +
                                     "::set_parameter: [^\\n]*\\b" + std::to_string(index) +
                                     "\\b[^\\n]*\n");
            EXPECT_TRUE(std::regex_match(capture.err(), warning)) << capture.err();
            EXPECT_EQ(uniform_value(c.uniform), kept) << c.name << " index " << index;
        }
        send(c.name, c.array, 0.75f, cShdBase::kIndex);
        EXPECT_NE(uniform_value(c.uniform), kept) << c.name << " takes its own record";
    }
    add<cShdPostSpillAdd>("spill_shader");
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
    manager.unbind(); // a second unbind does nothing
    EXPECT_EQ(gl_program(), 0);
}

TEST_F(ShaderManagerTest, ParametersReachTheBoundShaderAtOnceAndAnOtherOnItsNextBind) {
    auto& manager = shader_manager();
    manager.register_shader<cShdLevels>("levels_shader");
    manager.register_shader<cShdBlurTex>("blur_shader");
    rect_on(0, 1, 1, {100, 100, 100, 255});
    manager.bind("levels_shader");
    EXPECT_EQ(draw(1, 1, 1, 1)[0], 0) << "the initial cut at 200";
    send_levels({0, 255, 1, 0, 255});
    EXPECT_EQ(draw(1, 1, 1, 1)[0], 100);
    manager.bind("blur_shader");
    send_levels({0, 255, 1, 255, 0});
    EXPECT_EQ(draw(1, 1, 1, 1)[0], 100) << "blur passes a flat image";
    manager.bind("levels_shader");
    EXPECT_EQ(draw(1, 1, 1, 1)[0], 155);
}

TEST_F(ShaderManagerTest, UnbindWithoutContextReportsIt) {
    cSingleton<cShaderManager_CG>::destroy();
    cCapture capture;
    shader_manager().unbind();
    EXPECT_EQ(capture.err(),
              "## ERROR in cShaderManager_CG.cpp line 87: no current CG-context available!\n");
}

// Every way a program pair can fail ends the process with code -1 and the GLSL log.
TEST_F(ShaderManagerTest, BrokenProgramsEndTheProcessWithTheListing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string good_vertex = sTestSources::vertex, good_fragment = sTestSources::fragment;
    const struct {
        std::string vertex, fragment, expected;
    } cases[] = {
        {good_vertex, "#version 120\nvoid main() { gl_FragColor = colour; }\n",
         "The compile returned an error\\..*test_frag\\.glsl:.*colour"},
        {"#version 120\nvoid main() { gl_Position = ftransform() }\n", good_fragment,
         "The compile returned an error\\..*test_vert\\.glsl:"},
        {good_vertex, "#version 120\nvarying vec4 shade;\nvoid main() { gl_FragColor = shade; }\n",
         "The vertex and fragment programs could not be linked\\..*test_vert\\.glsl with "
         ".*test_frag\\.glsl:.*shade"},
    };
    for (const auto& c : cases) {
        sTestSources::vertex = c.vertex;
        sTestSources::fragment = c.fragment;
        sTestSources::write();
        EXPECT_EXIT(
            {
                cShaderManager_CG& manager = shader_manager();
                manager.register_shader<cShdTest>("test_shader");
                manager.bind("test_shader");
                std::exit(0);
            },
            testing::ExitedWithCode(255),
            "\n-{51}\n" + c.expected +
                ".*\n-{51}\nlast-shader: (null|test)_shader\n"
                "Cg error, exiting\\.\\.\\.\n");
    }
    sTestSources::vertex = good_vertex;
    sTestSources::fragment = good_fragment;
}

TEST_F(ShaderManagerTest, MissingSourceFileEndsTheProcessNamingIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::remove(sTestSources::path("test_vert.glsl").c_str());
    EXPECT_EXIT(shader_manager().register_shader<cShdTest>("test_shader"),
                testing::ExitedWithCode(255),
                "could not be read\\.\ncannot read .*test_vert\\.glsl");
}
