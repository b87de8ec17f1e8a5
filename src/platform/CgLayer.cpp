#include "CgLayer.h"

#include "GlslUniforms.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

struct _CGparameter {
    CGprogram program;
    std::string name;
    int count; // floats the uniform holds
    float value[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    // Per linked pair: where the value goes, and what that program holds now. A GL program
    // keeps its uniforms while others are in use, so an unchanged value is never sent again.
    struct sSlot {
        GLint location;
        bool sent;
        float held[4];
    };
    std::map<GLuint, sSlot> slots;
};

struct _CGprogram {
    CGcontext context;
    CGprofile profile;
    std::string file;
    GLuint shader = 0;
    bool loaded = false;
    std::vector<std::unique_ptr<_CGparameter>> parameters;
    std::vector<std::string> samplers; // in declaration order
};

struct _CGcontext {
    std::vector<std::unique_ptr<_CGprogram>> programs;
    std::map<std::pair<CGprogram, CGprogram>, GLuint> pairs;
    std::string listing;
};

namespace {

#define MRL_GLSL_ENTRIES(X)                                                                        \
    X(PFNGLCREATESHADERPROC, CreateShader)                                                         \
    X(PFNGLSHADERSOURCEPROC, ShaderSource)                                                         \
    X(PFNGLCOMPILESHADERPROC, CompileShader)                                                       \
    X(PFNGLGETSHADERIVPROC, GetShaderiv)                                                           \
    X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog)                                                 \
    X(PFNGLDELETESHADERPROC, DeleteShader)                                                         \
    X(PFNGLCREATEPROGRAMPROC, CreateProgram)                                                       \
    X(PFNGLATTACHSHADERPROC, AttachShader)                                                         \
    X(PFNGLLINKPROGRAMPROC, LinkProgram)                                                           \
    X(PFNGLGETPROGRAMIVPROC, GetProgramiv)                                                         \
    X(PFNGLGETPROGRAMINFOLOGPROC, GetProgramInfoLog)                                               \
    X(PFNGLDELETEPROGRAMPROC, DeleteProgram)                                                       \
    X(PFNGLUSEPROGRAMPROC, UseProgram)                                                             \
    X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation)                                             \
    X(PFNGLUNIFORM1FVPROC, Uniform1fv)                                                             \
    X(PFNGLUNIFORM2FVPROC, Uniform2fv)                                                             \
    X(PFNGLUNIFORM3FVPROC, Uniform3fv)                                                             \
    X(PFNGLUNIFORM4FVPROC, Uniform4fv)                                                             \
    X(PFNGLUNIFORM1IPROC, Uniform1i)

namespace gl2 {
#define MRL_DEFINE_ENTRY(type, name) type name = nullptr;
MRL_GLSL_ENTRIES(MRL_DEFINE_ENTRY)
#undef MRL_DEFINE_ENTRY
} // namespace gl2

bool entries_loaded() {
    static bool tried = false, complete = false;
    if (!tried) {
        tried = true;
        complete = true;
#define MRL_LOAD_ENTRY(type, name)                                                                 \
    gl2::name = reinterpret_cast<type>(SDL_GL_GetProcAddress("gl" #name));                         \
    complete = complete && gl2::name;
        MRL_GLSL_ENTRIES(MRL_LOAD_ENTRY)
#undef MRL_LOAD_ENTRY
    }
    return complete;
}

CGerrorCallbackFunc g_callback = nullptr;
sCgCounters g_counters;

void use_program(GLuint linked) {
    ++g_counters.program_switches;
    gl2::UseProgram(linked);
}
CGerror g_error = CG_NO_ERROR;

// What is bound and enabled, and the linked pair GL draws with because of it.
struct sBinding {
    CGprogram vertex = nullptr;
    CGprogram fragment = nullptr;
    bool vertex_on = false;
    bool fragment_on = false;
    CGprogram used_vertex = nullptr;
    CGprogram used_fragment = nullptr;
    GLuint used = 0;
} g_bound;

void raise(CGerror error) {
    g_error = error;
    if (g_callback)
        g_callback();
}

bool is_vertex(CGprofile profile) {
    return profile == CG_PROFILE_VP20 || profile == CG_PROFILE_ARBVP1 || profile == CG_PROFILE_VP40;
}

bool is_fragment(CGprofile profile) {
    return profile == CG_PROFILE_FP20 || profile == CG_PROFILE_FP30 ||
           profile == CG_PROFILE_ARBFP1 || profile == CG_PROFILE_FP40;
}

int glsl_version() {
    const GLubyte* text = glGetString(GL_SHADING_LANGUAGE_VERSION);
    int major = 0, minor = 0;
    if (!text || std::sscanf(reinterpret_cast<const char*>(text), "%d.%d", &major, &minor) != 2)
        return 0;
    return major * 100 + minor;
}

// Contexts of GL 3 and later list their extensions one by one; older ones in one string of
// blank-separated names.
bool context_has_extension(const char* name) {
    const auto get_stringi =
        reinterpret_cast<PFNGLGETSTRINGIPROC>(SDL_GL_GetProcAddress("glGetStringi"));
    GLint count = 0;
    if (get_stringi)
        glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const GLubyte* each = get_stringi(GL_EXTENSIONS, GLuint(i));
        if (each && std::strcmp(reinterpret_cast<const char*>(each), name) == 0)
            return true;
    }
    if (count > 0)
        return false;
    const GLubyte* all = glGetString(GL_EXTENSIONS);
    std::istringstream words(all ? reinterpret_cast<const char*>(all) : "");
    for (std::string word; words >> word;)
        if (word == name)
            return true;
    return false;
}

bool read_text(const char* path, std::string& text) {
    std::ifstream in(path ? path : "", std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

GLuint compile(CGcontext context, GLenum stage, const std::string& source,
               const std::string& file) {
    const GLuint shader = gl2::CreateShader(stage);
    const GLchar* text = source.c_str();
    gl2::ShaderSource(shader, 1, &text, nullptr);
    gl2::CompileShader(shader);
    GLint ok = GL_FALSE, length = 0;
    gl2::GetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok)
        return shader;
    gl2::GetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::string log(std::max(length, 1), '\0');
    gl2::GetShaderInfoLog(shader, length, nullptr, &log[0]);
    context->listing = file + ":\n" + log.c_str();
    gl2::DeleteShader(shader);
    return 0;
}

void upload(_CGparameter& parameter, GLuint program) {
    auto found = parameter.slots.find(program);
    if (found == parameter.slots.end()) {
        const GLint location = gl2::GetUniformLocation(program, parameter.name.c_str());
        found = parameter.slots.emplace(program, _CGparameter::sSlot{location, false, {}}).first;
    }
    _CGparameter::sSlot& slot = found->second;
    if (slot.location < 0)
        return; // declared but unused: the compiler dropped it
    if (slot.sent && std::equal(parameter.value, parameter.value + parameter.count, slot.held))
        return;
    std::copy(parameter.value, parameter.value + parameter.count, slot.held);
    slot.sent = true;
    ++g_counters.uniform_uploads;
    switch (parameter.count) {
    case 1:
        gl2::Uniform1fv(slot.location, 1, parameter.value);
        break;
    case 2:
        gl2::Uniform2fv(slot.location, 1, parameter.value);
        break;
    case 3:
        gl2::Uniform3fv(slot.location, 1, parameter.value);
        break;
    case 4:
        gl2::Uniform4fv(slot.location, 1, parameter.value);
        break;
    default:
        break;
    }
}

void upload_all(CGprogram program, GLuint linked) {
    for (auto& parameter : program->parameters)
        upload(*parameter, linked);
}

// GLSL samplers all read unit 0 until told otherwise; each gets its unit once, after linking.
void assign_samplers(CGprogram program, GLuint linked) {
    for (size_t i = 0; i < program->samplers.size(); ++i) {
        const GLint location = gl2::GetUniformLocation(linked, program->samplers[i].c_str());
        if (location >= 0)
            gl2::Uniform1i(location, glsl_sampler_unit(program->samplers[i], int(i)));
    }
}

GLuint link_pair(CGprogram vertex, CGprogram fragment) {
    CGcontext context = vertex->context;
    const auto key = std::make_pair(vertex, fragment);
    const auto cached = context->pairs.find(key);
    if (cached != context->pairs.end())
        return cached->second;
    const GLuint linked = gl2::CreateProgram();
    gl2::AttachShader(linked, vertex->shader);
    gl2::AttachShader(linked, fragment->shader);
    gl2::LinkProgram(linked);
    GLint ok = GL_FALSE, length = 0;
    gl2::GetProgramiv(linked, GL_LINK_STATUS, &ok);
    if (!ok) {
        gl2::GetProgramiv(linked, GL_INFO_LOG_LENGTH, &length);
        std::string log(std::max(length, 1), '\0');
        gl2::GetProgramInfoLog(linked, length, nullptr, &log[0]);
        context->listing = vertex->file + " with " + fragment->file + ":\n" + log.c_str();
        gl2::DeleteProgram(linked);
        raise(CG_LINK_ERROR);
        return 0;
    }
    use_program(linked);
    assign_samplers(vertex, linked);
    assign_samplers(fragment, linked);
    context->pairs[key] = linked;
    return linked;
}

// Brings GL in line with the bound programs and enabled profiles: a complete pair is drawn
// with, and gets every stored value; anything less falls back to the fixed-function pipeline.
void sync() {
    if (!entries_loaded())
        return;
    CGprogram vertex = g_bound.vertex_on ? g_bound.vertex : nullptr;
    CGprogram fragment = g_bound.fragment_on ? g_bound.fragment : nullptr;
    const GLuint linked = vertex && fragment ? link_pair(vertex, fragment) : 0;
    if (!linked)
        vertex = fragment = nullptr;
    if (linked != g_bound.used)
        use_program(linked);
    g_bound.used = linked;
    g_bound.used_vertex = vertex;
    g_bound.used_fragment = fragment;
    if (linked) {
        upload_all(vertex, linked);
        upload_all(fragment, linked);
    }
}

// GL may hand a deleted program's name to a later pair: cached slots must not outlive it.
void forget_locations(CGcontext context, GLuint linked) {
    for (auto& program : context->programs)
        for (auto& parameter : program->parameters)
            parameter->slots.erase(linked);
}

// Forgets every trace of a program about to be released.
void release(CGprogram program) {
    CGcontext context = program->context;
    for (auto it = context->pairs.begin(); it != context->pairs.end();) {
        if (it->first.first == program || it->first.second == program) {
            if (g_bound.used == it->second) {
                use_program(0);
                g_bound.used = 0;
                g_bound.used_vertex = g_bound.used_fragment = nullptr;
            }
            gl2::DeleteProgram(it->second);
            forget_locations(context, it->second);
            it = context->pairs.erase(it);
        } else {
            ++it;
        }
    }
    if (g_bound.vertex == program)
        g_bound.vertex = nullptr;
    if (g_bound.fragment == program)
        g_bound.fragment = nullptr;
    if (program->shader)
        gl2::DeleteShader(program->shader);
}

void set_values(CGparameter parameter, const float* values, int count) {
    if (!parameter)
        return;
    std::copy(values, values + std::min(count, 4), parameter->value);
    CGprogram program = parameter->program;
    if (g_bound.used && (program == g_bound.used_vertex || program == g_bound.used_fragment))
        upload(*parameter, g_bound.used);
}

} // namespace

const sCgCounters& cg_counters() {
    return g_counters;
}

CGcontext cgCreateContext() {
    return new _CGcontext();
}

void cgDestroyContext(CGcontext context) {
    if (!context)
        return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    for (auto& program : context->programs)
        release(program.get());
    delete context;
}

CGbool cgGLIsProfileSupported(CGprofile profile) {
    if (profile != CG_PROFILE_VP40 && profile != CG_PROFILE_FP40)
        return CG_FALSE;
    if (!entries_loaded() || glsl_version() < 120)
        return CG_FALSE;
    if (profile == CG_PROFILE_FP40 && !context_has_extension("GL_ARB_texture_rectangle"))
        return CG_FALSE;
    return CG_TRUE;
}

void cgGLSetOptimalOptions(CGprofile profile) {
    if (!is_vertex(profile) && !is_fragment(profile))
        raise(CG_INVALID_PROFILE_ERROR);
}

void cgSetErrorCallback(CGerrorCallbackFunc callback) {
    g_callback = callback;
}

CGerror cgGetError() {
    const CGerror error = g_error;
    g_error = CG_NO_ERROR;
    return error;
}

const char* cgGetErrorString(CGerror error) {
    switch (error) {
    case CG_NO_ERROR:
        return "No error has occurred.";
    case CG_COMPILER_ERROR:
        return "The compile returned an error.";
    case CG_INVALID_PROFILE_ERROR:
        return "The profile is not supported.";
    case CG_PROGRAM_LOAD_ERROR:
        return "The program could not load.";
    case CG_PROGRAM_BIND_ERROR:
        return "The program could not bind.";
    case CG_INVALID_CONTEXT_HANDLE_ERROR:
        return "Invalid context handle.";
    case CG_INVALID_PROGRAM_HANDLE_ERROR:
        return "Invalid program handle.";
    case CG_FILE_READ_ERROR:
        return "The file could not be read.";
    case CG_LINK_ERROR:
        return "The vertex and fragment programs could not be linked.";
    case CG_INVALID_ENTRY_ERROR:
        return "The entry function must be main.";
    }
    return "Unknown error.";
}

const char* cgGetLastListing(CGcontext context) {
    return context ? context->listing.c_str() : "";
}

CGprogram cgCreateProgramFromFile(CGcontext context, CGenum type, const char* file,
                                  CGprofile profile, const char* entry, const char** args) {
    if (!context) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    const std::string name = file ? file : "";
    context->listing.clear();
    std::string source;
    if (!is_vertex(profile) && !is_fragment(profile)) {
        raise(CG_INVALID_PROFILE_ERROR);
    } else if (type != CG_SOURCE || (entry && std::string(entry) != "main")) {
        raise(CG_INVALID_ENTRY_ERROR);
    } else if (!entries_loaded() || !read_text(file, source)) {
        context->listing = "cannot read \"" + name + "\"";
        raise(CG_FILE_READ_ERROR);
    } else {
        source = glsl_with_defines(source, args);
        const GLuint shader = compile(
            context, is_vertex(profile) ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER, source, name);
        if (!shader) {
            raise(CG_COMPILER_ERROR);
            return nullptr;
        }
        auto program = std::make_unique<_CGprogram>();
        program->context = context;
        program->profile = profile;
        program->file = name;
        program->shader = shader;
        for (const sGlslUniform& uniform : glsl_uniforms(source)) {
            if (glsl_is_sampler(uniform.type))
                program->samplers.push_back(uniform.name);
            else if (const int count = glsl_float_count(uniform.type))
                program->parameters.push_back(std::unique_ptr<_CGparameter>(
                    new _CGparameter{program.get(), uniform.name, count, {}, {}}));
        }
        context->programs.push_back(std::move(program));
        return context->programs.back().get();
    }
    return nullptr;
}

void cgGLLoadProgram(CGprogram program) {
    if (!program)
        return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    program->loaded = true;
}

void cgDestroyProgram(CGprogram program) {
    if (!program)
        return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    release(program);
    auto& programs = program->context->programs;
    programs.erase(std::find_if(programs.begin(), programs.end(),
                                [program](const auto& held) { return held.get() == program; }));
}

void cgGLBindProgram(CGprogram program) {
    if (!program)
        return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (!program->loaded) {
        program->context->listing = program->file + ": bound before it was loaded";
        return raise(CG_PROGRAM_BIND_ERROR);
    }
    if (is_vertex(program->profile)) {
        g_bound.vertex = program;
    } else {
        g_bound.fragment = program;
        sync();
    }
}

void cgGLEnableProfile(CGprofile profile) {
    if (is_vertex(profile))
        g_bound.vertex_on = true;
    else if (is_fragment(profile))
        g_bound.fragment_on = true;
    else
        return raise(CG_INVALID_PROFILE_ERROR);
    sync();
}

void cgGLDisableProfile(CGprofile profile) {
    if (is_vertex(profile))
        g_bound.vertex_on = false;
    else if (is_fragment(profile))
        g_bound.fragment_on = false;
    else
        return raise(CG_INVALID_PROFILE_ERROR);
    sync();
}

CGparameter cgGetNamedParameter(CGprogram program, const char* name) {
    if (!program || !name) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    for (auto& parameter : program->parameters)
        if (parameter->name == name)
            return parameter.get();
    return nullptr;
}

void cgGLSetParameter1f(CGparameter parameter, float x) {
    set_values(parameter, &x, 1);
}

void cgSetParameter1f(CGparameter parameter, float x) {
    set_values(parameter, &x, 1);
}

void cgGLSetParameter2fv(CGparameter parameter, const float* values) {
    set_values(parameter, values, 2);
}

void cgGLSetParameter3fv(CGparameter parameter, const float* values) {
    set_values(parameter, values, 3);
}

void cgGLSetParameter4fv(CGparameter parameter, const float* values) {
    set_values(parameter, values, 4);
}

CGbool cgLinkProgramPair(CGprogram vertex, CGprogram fragment) {
    if (!entries_loaded() || !vertex || !fragment)
        return CG_FALSE;
    const GLuint linked = link_pair(vertex, fragment);
    if (linked && linked != g_bound.used)
        use_program(g_bound.used);
    return linked ? CG_TRUE : CG_FALSE;
}
