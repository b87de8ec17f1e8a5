// Turns image files into OpenGL textures: each file is decoded once, kept as
// a DevIL image in 8-bit RGB(A) form, and uploaded once on first request;
// later requests for the same name get the same texture whatever they ask.
#pragma once

#include "base/Singleton.h"
#include "cTextureDesc.h"

#include <GL/gl.h>
#include <map>
#include <string>
#include <vector>

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
    // The pictures decoded from the file at this full path are decoded again through the same
    // checks and uploaded under their texture names with their first upload's target, wrap
    // and mipmaps: `# reloaded texture "NAME"`. A damaged file gives its error line and keeps
    // the old picture. False if no picture came from the file.
    bool reload_file(const std::string& path);
    // The full paths of every decoded picture.
    std::vector<std::string> source_files() const;

private:
    struct cEntry {
        unsigned image = 0; // DevIL image, kept until exit
        GLuint texture = 0; // 0 until the first upload
        std::string path;   // full path, for reloading
        GLenum target = 0;  // the first upload's choices
        bool mipmaps = false;
        GLint wrap = 0;
    };

    static GLenum choose_target(GLenum forced, int width, int height, bool* mipmaps);
    static GLuint upload(GLenum target, bool mipmaps, GLint wrap);
    static void upload_into(GLuint texture, GLenum target, bool mipmaps, GLint wrap);

    std::map<std::string, cEntry> cache_;
};

inline cTextureManager& texture_manager() {
    return cSingleton<cTextureManager>::get();
}
