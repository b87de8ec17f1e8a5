#include "cImageDecoder.h"

#include "GlErrors.h"
#include "base/Messages.h"
#include "cImageCheck.h"

#include <IL/il.h>
#include <fstream>
#include <iterator>

namespace {

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
void make_uploadable(ILenum type) {
    const ILint format = ilGetInteger(IL_IMAGE_FORMAT);
    const ILint sample = ilGetInteger(IL_IMAGE_TYPE);
    if (type == IL_JPG && format == IL_RGBA && sample == IL_UNSIGNED_BYTE)
        cmyk_to_rgb();
    else if (!gl_can_take(format) || sample != IL_UNSIGNED_BYTE)
        ilConvertImage(has_alpha(format) ? IL_RGBA : IL_RGB, IL_UNSIGNED_BYTE);
}

bool decoded_image_usable() {
    return ilGetData() != nullptr && ilGetInteger(IL_IMAGE_WIDTH) > 0 &&
           ilGetInteger(IL_IMAGE_HEIGHT) > 0 && gl_can_take(ilGetInteger(IL_IMAGE_FORMAT)) &&
           ilGetInteger(IL_IMAGE_TYPE) == IL_UNSIGNED_BYTE;
}

unsigned refuse(const std::string& path, const std::string& what) {
    msg_err() << "## ERROR in cTextureManager::load: " << what << " \"" << path << "\""
              << std::endl;
    return 0;
}

// The decoder to use: the one the file's own first bytes name after its
// structure was checked, else the one its extension names, whose first
// check (the signature) then refuses the file.
ILenum choose_type(const std::vector<uint8_t>& file, const std::string& path, std::string* error,
                   bool* cut_short) {
    switch (cImageCheck::check(file.data(), file.size(), error, cut_short)) {
    case cImageCheck::kPng:
        return IL_PNG;
    case cImageCheck::kJpeg:
        return IL_JPG;
    default:
        if (cImageCheck::claimed_kind(file.data(), file.size()) != cImageCheck::kNone)
            return IL_TYPE_UNKNOWN;
        const ILenum by_name = ilTypeFromExt(path.c_str());
        return by_name == IL_PNG || by_name == IL_JPG ? by_name : IL_TYPE_UNKNOWN;
    }
}

} // namespace

unsigned cImageDecoder::decode_bytes(const std::vector<uint8_t>& file, const std::string& path) {
    std::string error;
    bool cut_short = false;
    const ILenum type = choose_type(file, path, &error, &cut_short);
    if (cut_short)
        return refuse(path, "truncated image file");
    if (type == IL_TYPE_UNKNOWN)
        return refuse(path, "broken image file (" + error + ")");
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    // DevIL reads a lump of size 0 without any bound, so an empty file goes
    // over as one zero byte, which the decoder's signature check refuses.
    static const uint8_t kNothing = 0;
    const bool loaded = ilLoadL(type, file.empty() ? &kNothing : file.data(),
                                static_cast<ILuint>(file.empty() ? 1 : file.size()));
    if (loaded)
        make_uploadable(type);
    const bool usable = loaded && decoded_image_usable();
    check_il_error();
    if (usable)
        return image;
    ilDeleteImages(1, &image);
    return 0;
}

unsigned cImageDecoder::decode_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || uint64_t(size) > kMaxFileBytes)
        return refuse(path, size < 0 ? "unreadable image file" : "oversized image file");
    in.seekg(0);
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    return decode_bytes(file, path);
}
