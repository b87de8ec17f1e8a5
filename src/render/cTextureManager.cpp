#include "cTextureManager.h"

#include "GlErrors.h"
#include "base/Messages.h"
#include "base/cResourcePath.h"
#include "platform/PathFunctions.h"

#include <GL/glext.h>
#include <GL/glu.h>
#include <IL/il.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

constexpr const char* kSourceFile = "cTextureManager.cpp";

bool power_of_two(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

bool gl_can_take(ILint format) {
    return format == IL_RGB || format == IL_RGBA || format == IL_BGR || format == IL_BGRA;
}

bool has_alpha(ILint format) {
    const ILint palette = ilGetInteger(IL_PALETTE_TYPE);
    return format == IL_RGBA || format == IL_BGRA || format == IL_LUMINANCE_ALPHA ||
           format == IL_ALPHA ||
           (format == IL_COLOUR_INDEX && (palette == IL_PAL_RGBA32 || palette == IL_PAL_BGRA32));
}

// JPEG has no alpha: four channels from a JPEG are Adobe-style inverted
// CMYK, which becomes RGB by weighting each ink with the black channel.
void cmyk_to_rgb() {
    ILubyte* px = ilGetData();
    const ILint count = ilGetInteger(IL_IMAGE_WIDTH) * ilGetInteger(IL_IMAGE_HEIGHT);
    for (ILint i = 0; i < count; ++i, px += 4)
        for (int c = 0; c < 3; ++c)
            px[c] = static_cast<ILubyte>((px[c] * px[3] + 127) / 255);
    ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE);
}

// Palette, grey and 16-bit images are not "the image format, unsigned
// bytes" that GL expects: bring the bound image to 8-bit RGB or RGBA.
void make_uploadable(const std::string& path) {
    const ILint format = ilGetInteger(IL_IMAGE_FORMAT);
    const ILint type = ilGetInteger(IL_IMAGE_TYPE);
    if (ilDetermineType(path.c_str()) == IL_JPG && format == IL_RGBA && type == IL_UNSIGNED_BYTE)
        cmyk_to_rgb();
    else if (!gl_can_take(format) || type != IL_UNSIGNED_BYTE)
        ilConvertImage(has_alpha(format) ? IL_RGBA : IL_RGB, IL_UNSIGNED_BYTE);
}

bool decoded_image_usable() {
    return ilGetData() != nullptr && ilGetInteger(IL_IMAGE_WIDTH) > 0 &&
           ilGetInteger(IL_IMAGE_HEIGHT) > 0 && gl_can_take(ilGetInteger(IL_IMAGE_FORMAT)) &&
           ilGetInteger(IL_IMAGE_TYPE) == IL_UNSIGNED_BYTE;
}

uint32_t big_endian(const unsigned char* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// DevIL never returns from some PNG files cut off inside their image data,
// so a PNG must hold whole chunks up to its end chunk before it is decoded.
bool png_cut_off(const std::string& path) {
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::ifstream in(path, std::ios::binary);
    unsigned char head[8];
    if (!in.read(reinterpret_cast<char*>(head), 8) || std::memcmp(head, kSignature, 8) != 0)
        return false; // not a PNG: DevIL's own checks apply
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    for (std::streamoff at = 8; at + 12 <= size;) {
        in.seekg(at);
        if (!in.read(reinterpret_cast<char*>(head), 8))
            return true;
        at += 12 + std::streamoff(big_endian(head));
        if (at <= size && std::memcmp(head + 4, "IEND", 4) == 0)
            return false;
    }
    return true;
}

[[noreturn]] void fatal(int line, const std::string& what) {
    msg_err() << "## ERROR: in " << kSourceFile << " line " << line << ": " << what << std::endl;
    std::exit(-1);
}

// Decodes `path` into a new DevIL image; 0 (after reporting) if it gives
// no picture GL can take, so nothing is ever uploaded from a null pointer.
ILuint decode(const std::string& path) {
    if (png_cut_off(path)) {
        msg_err() << "## ERROR in cTextureManager::load: truncated image file \"" << path << "\""
                  << std::endl;
        return 0;
    }
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    const bool loaded = ilLoadImage(path.c_str());
    if (loaded)
        make_uploadable(path);
    const bool usable = loaded && decoded_image_usable();
    check_il_error();
    if (usable)
        return image;
    ilDeleteImages(1, &image);
    return 0;
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
    const ILuint image = decode(path);
    if (!image)
        return false;
    cache_[file] = cEntry{image, 0};
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
    if (!entry.texture)
        entry.texture = upload(target, mipmaps, wrap);
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
    const GLenum format = static_cast<GLenum>(ilGetInteger(IL_IMAGE_FORMAT));
    const GLsizei w = ilGetInteger(IL_IMAGE_WIDTH);
    const GLsizei h = ilGetInteger(IL_IMAGE_HEIGHT);
    const ILubyte* data = ilGetData();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_TEXTURE_BIT);
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
    glPopAttrib();
    return texture;
}
