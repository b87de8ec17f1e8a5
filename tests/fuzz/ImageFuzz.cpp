// The image checks and the decoding behind them on any bytes, as a ".jpg"
// and as a ".png": a file either is refused or decodes to 8-bit pixels
// within the size bound, never handing the image library a broken file.
#include "FuzzSupport.h"
#include "render/cImageCheck.h"
#include "render/cImageDecoder.h"

#include <IL/il.h>
#include <IL/ilu.h>
#include <cstdlib>
#include <zlib.h>

namespace {

void decode_as(const std::vector<uint8_t>& file, const char* name) {
    const ILuint image = cImageDecoder::decode_bytes(file, name);
    if (!image)
        return;
    ilBindImage(image);
    const ILint w = ilGetInteger(IL_IMAGE_WIDTH), h = ilGetInteger(IL_IMAGE_HEIGHT);
    if (!cImageCheck::size_allowed(w, h) || ilGetInteger(IL_IMAGE_TYPE) != IL_UNSIGNED_BYTE)
        std::abort();
    ilDeleteImages(1, &image);
}

// A copy of a PNG with every chunk's checksum made right, so that mutated
// headers, palettes and image data get past the checksums to the deeper
// checks and the decoder.
std::vector<uint8_t> with_right_checksums(std::vector<uint8_t> png) {
    for (size_t at = 8; png.size() - at >= 12;) {
        const uint32_t length = uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 |
                                uint32_t(png[at + 2]) << 8 | png[at + 3];
        if (length > png.size() - at - 12)
            break;
        const uint32_t crc = crc32(0, &png[at + 4], 4 + length);
        for (int i = 0; i < 4; ++i)
            png[at + 8 + length + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
        at += 12 + size_t(length);
    }
    return png;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ilInit(); // as the demo sets DevIL up
    iluInit();
    ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
    ilEnable(IL_ORIGIN_SET);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = as_bytes(data, size);
    run_reader([&] {
        decode_as(file, "fuzz.jpg");
        const cImageCheck::eKind kind = cImageCheck::claimed_kind(file.data(), file.size());
        if (kind == cImageCheck::kNone)
            decode_as(file, "fuzz.png"); // only the extension differs then
        const std::vector<uint8_t> mended =
            kind == cImageCheck::kPng ? with_right_checksums(file) : file;
        if (mended != file)
            decode_as(mended, "fuzz.png");
    });
    return 0;
}
