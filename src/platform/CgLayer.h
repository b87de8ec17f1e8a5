// The Cg-style shader runtime the shader manager calls, implemented on GLSL 1.20: programs are
// compiled from source files on creation, and a vertex and a fragment program become one linked
// GL program (cached per pair) while both profiles are enabled; parameter values live here.
#pragma once

// The runtime version the manager reports at start-up.
#define CG_VERSION_NUM 1502

typedef struct _CGcontext* CGcontext;
typedef struct _CGprogram* CGprogram;
typedef struct _CGparameter* CGparameter;
typedef int CGbool;
#define CG_FALSE 0
#define CG_TRUE 1

enum CGprofile {
    CG_PROFILE_UNKNOWN = 0,
    CG_PROFILE_VP20,
    CG_PROFILE_FP20,
    CG_PROFILE_FP30,
    CG_PROFILE_ARBVP1,
    CG_PROFILE_ARBFP1,
    CG_PROFILE_VP40,
    CG_PROFILE_FP40,
};

enum CGerror {
    CG_NO_ERROR = 0,
    CG_COMPILER_ERROR,
    CG_INVALID_PROFILE_ERROR,
    CG_PROGRAM_LOAD_ERROR,
    CG_PROGRAM_BIND_ERROR,
    CG_INVALID_CONTEXT_HANDLE_ERROR,
    CG_INVALID_PROGRAM_HANDLE_ERROR,
    CG_FILE_READ_ERROR,
    CG_LINK_ERROR,
    CG_INVALID_ENTRY_ERROR,
};

// Program sources are GLSL text; precompiled objects do not exist here.
enum CGenum { CG_SOURCE = 4112 };

typedef void (*CGerrorCallbackFunc)(void);

CGcontext cgCreateContext();
// Releases every program of the context and every pair linked from them.
void cgDestroyContext(CGcontext context);

// Every profile needs GLSL 1.20; only the "40" profiles claim it (the older ones cannot
// express what the catalogue's sources do), the fragment one also needs rectangle textures.
CGbool cgGLIsProfileSupported(CGprofile profile);
void cgGLSetOptimalOptions(CGprofile profile);

// Called whenever an error is raised; cgGetError then returns (and clears) it.
void cgSetErrorCallback(CGerrorCallbackFunc callback);
CGerror cgGetError();
const char* cgGetErrorString(CGerror error);
// The GLSL info log of the context's last failed compile or link.
const char* cgGetLastListing(CGcontext context);

// Compiles the GLSL file for the profile's stage; entry must be null or "main"; args, a
// null-terminated list or null, may define names as "-DNAME" or "-DNAME=VALUE". A missing file or a
// failed compile raises an error and returns null.
CGprogram cgCreateProgramFromFile(CGcontext context, CGenum type, const char* file,
                                  CGprofile profile, const char* entry, const char** args);
void cgGLLoadProgram(CGprogram program);
void cgDestroyProgram(CGprogram program);

// A vertex program waits for its fragment partner: the pair reaches GL when the fragment
// program is bound or a profile is enabled or disabled.
void cgGLBindProgram(CGprogram program);
void cgGLEnableProfile(CGprofile profile);
void cgGLDisableProfile(CGprofile profile);

// Not part of the runtime it stands in for: links the pair now, as binding both would, so a
// caller learns of a link error (raised as usual) before drawing with it. What GL draws with
// stays as it was. CG_TRUE when the pair links.
CGbool cgLinkProgramPair(CGprogram vertex, CGprogram fragment);

// A uniform the program's source declares (float, vec2, vec3 or vec4); null if none.
CGparameter cgGetNamedParameter(CGprogram program, const char* name);
// Values are kept and sent at once when the parameter's program is in use, else on its next
// use. A null parameter is ignored: its class reported the missing name when it looked it up.
void cgGLSetParameter1f(CGparameter parameter, float x);
void cgSetParameter1f(CGparameter parameter, float x);
void cgGLSetParameter2fv(CGparameter parameter, const float* values);
void cgGLSetParameter3fv(CGparameter parameter, const float* values);
void cgGLSetParameter4fv(CGparameter parameter, const float* values);

// What the layer has sent to GL so far: program switches (glUseProgram) and uniform uploads.
// Not part of the runtime it stands in for; benchmarks read it to count redundant work.
struct sCgCounters {
    long program_switches = 0;
    long uniform_uploads = 0;
};
const sCgCounters& cg_counters();
