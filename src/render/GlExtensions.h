// OpenGL extension entry points, fetched once right after the window opens
// and called by all rendering code as ext::name. A pointer stays null when
// the driver lacks it; the three required groups end the program instead.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

#include <string>

#define MRL_BUFFER_OBJECT_ENTRIES(X)                                                               \
    X(PFNGLBINDBUFFERARBPROC, glBindBufferARB)                                                     \
    X(PFNGLBUFFERDATAARBPROC, glBufferDataARB)                                                     \
    X(PFNGLGENBUFFERSARBPROC, glGenBuffersARB)                                                     \
    X(PFNGLDELETEBUFFERSARBPROC, glDeleteBuffersARB)                                               \
    X(PFNGLMAPBUFFERARBPROC, glMapBufferARB)                                                       \
    X(PFNGLUNMAPBUFFERARBPROC, glUnmapBufferARB)                                                   \
    X(PFNGLVERTEXATTRIBPOINTERARBPROC, glVertexAttribPointerARB)                                   \
    X(PFNGLGETVERTEXATTRIBPOINTERVARBPROC, glGetVertexAttribPointervARB)

#define MRL_MULTITEXTURE_ENTRIES(X)                                                                \
    X(PFNGLACTIVETEXTUREPROC, glActiveTexture)                                                     \
    X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTexture)                                      \
    X(PFNGLACTIVETEXTUREARBPROC, glActiveTextureARB)                                               \
    X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTextureARB)                                   \
    X(PFNGLMULTITEXCOORD1DARBPROC, glMultiTexCoord1dARB)                                           \
    X(PFNGLMULTITEXCOORD1DVARBPROC, glMultiTexCoord1dvARB)                                         \
    X(PFNGLMULTITEXCOORD1FARBPROC, glMultiTexCoord1fARB)                                           \
    X(PFNGLMULTITEXCOORD1FVARBPROC, glMultiTexCoord1fvARB)                                         \
    X(PFNGLMULTITEXCOORD1IARBPROC, glMultiTexCoord1iARB)                                           \
    X(PFNGLMULTITEXCOORD1IVARBPROC, glMultiTexCoord1ivARB)                                         \
    X(PFNGLMULTITEXCOORD1SARBPROC, glMultiTexCoord1sARB)                                           \
    X(PFNGLMULTITEXCOORD1SVARBPROC, glMultiTexCoord1svARB)                                         \
    X(PFNGLMULTITEXCOORD2DARBPROC, glMultiTexCoord2dARB)                                           \
    X(PFNGLMULTITEXCOORD2DVARBPROC, glMultiTexCoord2dvARB)                                         \
    X(PFNGLMULTITEXCOORD2FARBPROC, glMultiTexCoord2fARB)                                           \
    X(PFNGLMULTITEXCOORD2FVARBPROC, glMultiTexCoord2fvARB)                                         \
    X(PFNGLMULTITEXCOORD2IARBPROC, glMultiTexCoord2iARB)                                           \
    X(PFNGLMULTITEXCOORD2IVARBPROC, glMultiTexCoord2ivARB)                                         \
    X(PFNGLMULTITEXCOORD2SARBPROC, glMultiTexCoord2sARB)                                           \
    X(PFNGLMULTITEXCOORD2SVARBPROC, glMultiTexCoord2svARB)                                         \
    X(PFNGLMULTITEXCOORD3DARBPROC, glMultiTexCoord3dARB)                                           \
    X(PFNGLMULTITEXCOORD3DVARBPROC, glMultiTexCoord3dvARB)                                         \
    X(PFNGLMULTITEXCOORD3FARBPROC, glMultiTexCoord3fARB)                                           \
    X(PFNGLMULTITEXCOORD3FVARBPROC, glMultiTexCoord3fvARB)                                         \
    X(PFNGLMULTITEXCOORD3IARBPROC, glMultiTexCoord3iARB)                                           \
    X(PFNGLMULTITEXCOORD3IVARBPROC, glMultiTexCoord3ivARB)                                         \
    X(PFNGLMULTITEXCOORD3SARBPROC, glMultiTexCoord3sARB)                                           \
    X(PFNGLMULTITEXCOORD3SVARBPROC, glMultiTexCoord3svARB)                                         \
    X(PFNGLMULTITEXCOORD4DARBPROC, glMultiTexCoord4dARB)                                           \
    X(PFNGLMULTITEXCOORD4DVARBPROC, glMultiTexCoord4dvARB)                                         \
    X(PFNGLMULTITEXCOORD4FARBPROC, glMultiTexCoord4fARB)                                           \
    X(PFNGLMULTITEXCOORD4FVARBPROC, glMultiTexCoord4fvARB)                                         \
    X(PFNGLMULTITEXCOORD4IARBPROC, glMultiTexCoord4iARB)                                           \
    X(PFNGLMULTITEXCOORD4IVARBPROC, glMultiTexCoord4ivARB)                                         \
    X(PFNGLMULTITEXCOORD4SARBPROC, glMultiTexCoord4sARB)                                           \
    X(PFNGLMULTITEXCOORD4SVARBPROC, glMultiTexCoord4svARB)

#define MRL_FRAMEBUFFER_ENTRIES(X)                                                                 \
    X(PFNGLISRENDERBUFFEREXTPROC, glIsRenderbufferEXT)                                             \
    X(PFNGLBINDRENDERBUFFEREXTPROC, glBindRenderbufferEXT)                                         \
    X(PFNGLDELETERENDERBUFFERSEXTPROC, glDeleteRenderbuffersEXT)                                   \
    X(PFNGLGENRENDERBUFFERSEXTPROC, glGenRenderbuffersEXT)                                         \
    X(PFNGLRENDERBUFFERSTORAGEEXTPROC, glRenderbufferStorageEXT)                                   \
    X(PFNGLGETRENDERBUFFERPARAMETERIVEXTPROC, glGetRenderbufferParameterivEXT)                     \
    X(PFNGLISFRAMEBUFFEREXTPROC, glIsFramebufferEXT)                                               \
    X(PFNGLBINDFRAMEBUFFEREXTPROC, glBindFramebufferEXT)                                           \
    X(PFNGLDELETEFRAMEBUFFERSEXTPROC, glDeleteFramebuffersEXT)                                     \
    X(PFNGLGENFRAMEBUFFERSEXTPROC, glGenFramebuffersEXT)                                           \
    X(PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC, glCheckFramebufferStatusEXT)                             \
    X(PFNGLFRAMEBUFFERTEXTURE1DEXTPROC, glFramebufferTexture1DEXT)                                 \
    X(PFNGLFRAMEBUFFERTEXTURE2DEXTPROC, glFramebufferTexture2DEXT)                                 \
    X(PFNGLFRAMEBUFFERTEXTURE3DEXTPROC, glFramebufferTexture3DEXT)                                 \
    X(PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC, glFramebufferRenderbufferEXT)                           \
    X(PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVEXTPROC, glGetFramebufferAttachmentParameterivEXT)   \
    X(PFNGLGENERATEMIPMAPEXTPROC, glGenerateMipmapEXT)

#define MRL_DRAW_BUFFERS_ENTRIES(X) X(PFNGLDRAWBUFFERSARBPROC, glDrawBuffersARB)

#define MRL_POINT_PARAMETER_ENTRIES(X)                                                             \
    X(PFNGLPOINTPARAMETERFARBPROC, glPointParameterfARB)                                           \
    X(PFNGLPOINTPARAMETERFVARBPROC, glPointParameterfvARB)

#define MRL_DRAW_RANGE_ENTRIES(X) X(PFNGLDRAWRANGEELEMENTSPROC, glDrawRangeElements)

#define MRL_ALL_GL_ENTRIES(X)                                                                      \
    MRL_BUFFER_OBJECT_ENTRIES(X)                                                                   \
    MRL_MULTITEXTURE_ENTRIES(X)                                                                    \
    MRL_FRAMEBUFFER_ENTRIES(X)                                                                     \
    MRL_DRAW_BUFFERS_ENTRIES(X) MRL_POINT_PARAMETER_ENTRIES(X) MRL_DRAW_RANGE_ENTRIES(X)

namespace ext {
#define MRL_DECLARE_ENTRY(type, name) extern type name;
MRL_ALL_GL_ENTRIES(MRL_DECLARE_ENTRY)
#undef MRL_DECLARE_ENTRY
} // namespace ext

// True if `name` is a whole word of the blank-separated `extensions`.
bool extension_present(const std::string& extensions, const std::string& name);
// Whether the GL context lists `name` among its extensions.
bool extension_present(const std::string& name);

// Checks and loads every group in order; a missing required group shuts SDL
// down, tells the user and ends the program.
void load_gl_extensions();
// The warnings for the optional texture and point-sprite extensions that
// `extensions` lacks, in their fixed order.
void report_optional_extensions(const std::string& extensions);
