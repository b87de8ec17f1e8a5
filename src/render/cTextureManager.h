// Turns image files into OpenGL textures: each file is decoded once, kept as
// a DevIL image in 8-bit RGB(A) form, and uploaded once on first request;
// later requests for the same name get the same texture whatever they ask.
#pragma once

#include "base/Singleton.h"
#include "cTextureDesc.h"

#include <GL/gl.h>
#include <map>
#include <string>

class cTextureManager {
public:
    cTextureManager() = default;
    cTextureManager(const cTextureManager&) = delete;
    cTextureManager& operator=(const cTextureManager&) = delete;
    ~cTextureManager();

    // Decodes `file` into the cache. A file missing from the search paths
    // or unreadable ends the program; one that cannot be decoded is
    // reported and gives false.
    bool load(const std::string& file);
    // The texture of `file`, uploaded on first request. `target` 0 lets the
    // manager choose: 1D for one row, rectangle for non-power-of-two sizes
    // (never mipmapped), else 2D. All fields -1 if the file gives no image.
    cTextureDesc get_texture(const std::string& file, bool mipmaps, GLint wrap, GLenum target);

    size_t cached() const { return cache_.size(); }

private:
    struct cEntry {
        unsigned image = 0; // DevIL image, kept until exit
        GLuint texture = 0; // 0 until the first upload
    };

    static GLenum choose_target(GLenum forced, int width, int height, bool* mipmaps);
    static GLuint upload(GLenum target, bool mipmaps, GLint wrap);

    std::map<std::string, cEntry> cache_;
};

inline cTextureManager& texture_manager() {
    return cSingleton<cTextureManager>::get();
}
