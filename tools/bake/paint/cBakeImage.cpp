#include "cBakeImage.h"

#include <IL/il.h>
#include <stdexcept>

void cBakeImage::save(const std::string& path, int width, int height, int channels,
                      const std::vector<uint8_t>& pixels, unsigned type, int quality) {
    if (pixels.size() != static_cast<size_t>(width) * height * channels)
        throw std::invalid_argument("picture size does not match for " + path);
    ilInit();
    ilEnable(IL_FILE_OVERWRITE);
    ilSetInteger(IL_JPG_QUALITY, quality);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    // DevIL only reads from the buffer, whatever its signature says.
    auto* data = const_cast<uint8_t*>(pixels.data());
    bool ok = ilTexImage(static_cast<ILuint>(width), static_cast<ILuint>(height), 1,
                         static_cast<ILubyte>(channels), channels == 4 ? IL_RGBA : IL_RGB,
                         IL_UNSIGNED_BYTE, data);
    ilRegisterOrigin(IL_ORIGIN_LOWER_LEFT);
    ok = ok && ilSave(type, path.c_str());
    ilDeleteImages(1, &image);
    if (!ok)
        throw std::runtime_error("cannot write " + path);
}

void cBakeImage::save_png(const std::string& path, int width, int height, int channels,
                          const std::vector<uint8_t>& pixels) {
    save(path, width, height, channels, pixels, IL_PNG, 0);
}

void cBakeImage::save_jpeg(const std::string& path, int width, int height,
                           const std::vector<uint8_t>& rgb, int quality) {
    save(path, width, height, 3, rgb, IL_JPG, quality);
}
