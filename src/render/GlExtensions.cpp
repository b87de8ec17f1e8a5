#include "GlExtensions.h"

#include "base/Messages.h"
#include "platform/MessageBox.h"

#include <SDL.h>
#include <cstdlib>

namespace ext {
#define MRL_DEFINE_ENTRY(type, name) type name = nullptr;
MRL_ALL_GL_ENTRIES(MRL_DEFINE_ENTRY)
#undef MRL_DEFINE_ENTRY
} // namespace ext

namespace {

template <class T> void load_entry(T& slot, const char* name, bool report_missing = true) {
    slot = reinterpret_cast<T>(SDL_GL_GetProcAddress(name));
    if (!slot && report_missing)
        msg_err() << name << " not initialized" << std::endl;
}

#define MRL_LOAD_ENTRY(type, name) load_entry(ext::name, #name);
#define MRL_LOAD_SILENTLY(type, name) load_entry(ext::name, #name, false);

// A required group is missing: the program cannot draw a single frame.
void refuse_to_start(const std::string& extension, const std::string& hint,
                     const std::string& caption) {
    msg_err() << "# WARNING: " << extension << " not supported" << std::endl;
    SDL_Quit();
    message_box_ok(extension + " is missing\n" + hint, caption);
    std::exit(0);
}

void load_buffer_objects(const std::string& extensions) {
    if (!extension_present(extensions, "GL_ARB_vertex_buffer_object"))
        refuse_to_start("GL_ARB_vertex_buffer_object", "(you probably need newer hardware)",
                        "missing gl-extension");
    MRL_BUFFER_OBJECT_ENTRIES(MRL_LOAD_ENTRY)
}

void load_multitexture(const std::string& extensions) {
    if (!extension_present(extensions, "GL_ARB_multitexture")) {
        msg_err() << "# WARNING: GL_ARB_multitexture not supported" << std::endl;
        std::exit(-1);
    }
    MRL_MULTITEXTURE_ENTRIES(MRL_LOAD_ENTRY)
}

void load_framebuffer_objects(const std::string& extensions) {
    if (!extension_present(extensions, "GL_EXT_framebuffer_object"))
        refuse_to_start("GL_EXT_framebuffer_object", "(you probably just need a driver-update...)",
                        "mrl::slw - missing gl-extension");
    MRL_FRAMEBUFFER_ENTRIES(MRL_LOAD_ENTRY)
    if (!extension_present(extensions, "GL_ARB_draw_buffers"))
        msg_err() << "# WARNING: GL_ARB_draw_buffers not supported" << std::endl;
    MRL_DRAW_BUFFERS_ENTRIES(MRL_LOAD_ENTRY)
}

void warn_if_missing(const std::string& extensions, const char* name, const std::string& text) {
    if (!extension_present(extensions, name))
        msg_err() << "# WARNING: " << text << std::endl;
}

std::string gl_extension_string() {
    const GLubyte* text = glGetString(GL_EXTENSIONS);
    return text ? reinterpret_cast<const char*>(text) : "";
}

} // namespace

bool extension_present(const std::string& extensions, const std::string& name) {
    if (name.empty())
        return false;
    for (size_t at = extensions.find(name); at != std::string::npos;
         at = extensions.find(name, at + 1)) {
        const size_t end = at + name.size();
        const bool starts_word = at == 0 || extensions[at - 1] == ' ';
        const bool ends_word = end == extensions.size() || extensions[end] == ' ';
        if (starts_word && ends_word)
            return true;
    }
    return false;
}

bool extension_present(const std::string& name) {
    return extension_present(gl_extension_string(), name);
}

void report_optional_extensions(const std::string& e) {
    warn_if_missing(e, "GL_SGIS_texture_lod", "GL_SGIS_texture_lod not supported");
    warn_if_missing(e, "GL_SGIS_generate_mipmap", "GL_SGIS_generate_mipmap not supported");
    warn_if_missing(e, "GL_ARB_texture_env_add", "GL_ARB_texture_env_add not supported");
    warn_if_missing(e, "GL_EXT_texture_lod_bias", "EXT_texture_lod_bias not supported");
    warn_if_missing(e, "GL_ARB_texture_float", "GL_ARB_texture_float not supported");
    if (!extension_present(e, "GL_ARB_texture_rectangle")) {
        msg_err() << "# WARNING: GL_ARB_texture_rectangle not supported" << std::endl;
        if (extension_present(e, "GL_EXT_texture_rectangle"))
            msg_err() << "           GL_EXT_texture_rectangle supported though" << std::endl;
        else
            msg_err() << "# WARNING: GL_EXT_texture_rectangle not supported" << std::endl;
    }
    warn_if_missing(e, "GL_ARB_multisample", "GL_ARB_multisample not supported");
    warn_if_missing(e, "GL_ARB_texture_non_power_of_two",
                    "GL_ARB_texture_non_power_of_two not supported!");
    warn_if_missing(e, "GL_ARB_pixel_buffer_object",
                    "\tGL_ARB_pixel_buffer_object not supported! (go bug your hardware-vendor)");
    warn_if_missing(e, "GL_ARB_point_sprite",
                    "\tGL_ARB_point_sprite not supported! (go bug your hardware-vendor)");
}

void load_gl_extensions() {
    const std::string extensions = gl_extension_string();
    load_buffer_objects(extensions);
    load_multitexture(extensions);
    load_framebuffer_objects(extensions);
    report_optional_extensions(extensions);
    MRL_POINT_PARAMETER_ENTRIES(MRL_LOAD_SILENTLY)
    MRL_DRAW_RANGE_ENTRIES(MRL_LOAD_ENTRY)
}
