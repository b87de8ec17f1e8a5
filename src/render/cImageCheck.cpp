#include "cImageCheck.h"

#include "cJpegCheck.h"
#include "cPngCheck.h"

#include <cstring>

cImageCheck::eKind cImageCheck::claimed_kind(const uint8_t* data, size_t size) {
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (size >= 8 && std::memcmp(data, kPngSignature, 8) == 0)
        return kPng;
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        return kJpeg;
    return kNone;
}

cImageCheck::eKind cImageCheck::check(const uint8_t* data, size_t size, std::string* error,
                                      bool* cut_short) {
    *cut_short = false;
    switch (claimed_kind(data, size)) {
    case kPng: {
        cPngCheck png(data, size);
        const bool whole = png.walk(error);
        *cut_short = png.cut_short();
        return whole ? kPng : kNone;
    }
    case kJpeg: {
        cJpegCheck jpeg(data, size);
        const bool whole = jpeg.walk(error);
        *cut_short = jpeg.cut_short();
        return whole ? kJpeg : kNone;
    }
    default:
        *error = "neither a PNG nor a JPEG image";
        return kNone;
    }
}

bool cImageCheck::size_allowed(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}
