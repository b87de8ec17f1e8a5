#include "cTextureManager.h"

#include "GlErrors.h"
#include "base/Messages.h"
#include "base/ProgramExit.h"
#include "base/cResourcePath.h"
#include "cImageDecoder.h"
#include "cSavedState.h"
#include "platform/PathFunctions.h"

#include <GL/glext.h>
#include <GL/glu.h>
#include <IL/il.h>
#include <cstdint>

namespace {

constexpr const char* kSourceFile = "cTextureManager.cpp";

bool power_of_two(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

[[noreturn]] void fatal(int line, const std::string& what) {
    msg_err() << "## ERROR: in " << kSourceFile << " line " << line << ": " << what << std::endl;
    program_exit(-1);
}

} // namespace

cTextureManager::~cTextureManager() {
    for (auto& [name, entry] : cache_) {
        ilDeleteImages(1, &entry.image);
        if (entry.texture)
            glDeleteTextures(1, &entry.texture);
    }
    cache_.clear();
}

bool cTextureManager::load(const std::string& file) {
    if (cache_.count(file))
        return true;
    const std::string path = resource_path().get_fullpath(file);
    if (path.empty())
        fatal(34, "file was not found in path: \"" + file + "\"");
    if (!path_file_readable(path))
        fatal(41, "unable to open file " + path);
    const ILuint image = cImageDecoder::decode_file(path);
    if (!image)
        return false;
    cache_[file] = cEntry{image, 0, file_identity(path)};
    return true;
}

cTextureDesc cTextureManager::get_texture(const std::string& file, bool mipmaps, GLint wrap,
                                          GLenum target) {
    if (!cache_.count(file) && !load(file)) {
        msg_err() << "# ERROR in cTextureManager::get_texture - \"" << file << "\" not found"
                  << std::endl;
        return cTextureDesc{};
    }
    cEntry& entry = cache_[file];
    ilBindImage(entry.image);
    const int width = ilGetInteger(IL_IMAGE_WIDTH);
    const int height = ilGetInteger(IL_IMAGE_HEIGHT);
    target = choose_target(target, width, height, &mipmaps);
    if (!entry.texture) {
        entry.texture = upload(target, mipmaps, wrap);
        entry.target = target;
        entry.mipmaps = mipmaps;
        entry.wrap = wrap;
    }
    return cTextureDesc{static_cast<int32_t>(target), static_cast<int32_t>(entry.texture), width,
                        height};
}

GLenum cTextureManager::choose_target(GLenum forced, int width, int height, bool* mipmaps) {
    GLenum target = forced;
    if (!target && height == 1)
        target = GL_TEXTURE_1D;
    else if (!target)
        target =
            power_of_two(width) && power_of_two(height) ? GL_TEXTURE_2D : GL_TEXTURE_RECTANGLE_ARB;
    // Rectangle textures have no mipmap levels: asking for them would leave
    // the texture empty.
    if (target == GL_TEXTURE_RECTANGLE_ARB)
        *mipmaps = false;
    return target;
}

// Uploads the bound DevIL image. The caller's texture binding, enables and
// pixel-store state are left as they were.
GLuint cTextureManager::upload(GLenum target, bool mipmaps, GLint wrap) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    upload_into(texture, target, mipmaps, wrap);
    return texture;
}

void cTextureManager::upload_into(GLuint texture, GLenum target, bool mipmaps, GLint wrap) {
    const GLenum format = static_cast<GLenum>(ilGetInteger(IL_IMAGE_FORMAT));
    const GLsizei w = ilGetInteger(IL_IMAGE_WIDTH);
    const GLsizei h = ilGetInteger(IL_IMAGE_HEIGHT);
    const ILubyte* data = ilGetData();
    const cSavedState saved(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1); // DevIL rows are tightly packed
    glEnable(target);
    glBindTexture(target, texture);
    glTexParameteri(target, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(target, GL_TEXTURE_WRAP_T, wrap);
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, mipmaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    if (target == GL_TEXTURE_1D && mipmaps)
        gluBuild1DMipmaps(target, GL_RGB, w, format, GL_UNSIGNED_BYTE, data);
    else if (target == GL_TEXTURE_1D)
        glTexImage1D(target, 0, GL_RGB, w, 0, format, GL_UNSIGNED_BYTE, data);
    else if (mipmaps)
        gluBuild2DMipmaps(target, GL_RGBA, w, h, format, GL_UNSIGNED_BYTE, data);
    else
        glTexImage2D(target, 0, GL_RGBA, w, h, 0, format, GL_UNSIGNED_BYTE, data);
    check_gl_error("cTextureManager::get_texture");
    glPopClientAttrib();
}

bool cTextureManager::reload_file(const std::string& path) {
    bool found = false;
    for (auto& [name, entry] : cache_) {
        if (entry.path != path)
            continue;
        found = true;
        const ILuint image = cImageDecoder::decode_file(path);
        if (!image)
            continue; // the decoder said why; the old picture stays
        ilDeleteImages(1, &entry.image);
        entry.image = image;
        if (entry.texture) {
            ilBindImage(image);
            upload_into(entry.texture, entry.target, entry.mipmaps, entry.wrap);
        }
        msg_out() << "# reloaded texture \"" << name << "\"" << std::endl;
    }
    return found;
}

std::vector<std::string> cTextureManager::source_files() const {
    std::vector<std::string> files;
    for (const auto& [name, entry] : cache_)
        files.push_back(entry.path);
    return files;
}
