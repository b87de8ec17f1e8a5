// The image checks and the decoding behind them on any bytes, as a ".jpg"
// and as a ".png": a file either is refused or decodes to 8-bit pixels
// within the size bound, never handing the image library a broken file.
#include "FuzzSupport.h"
#include "render/cImageCheck.h"
#include "render/cImageDecoder.h"

#include <IL/il.h>
#include <IL/ilu.h>
#include <cstdlib>

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
        if (cImageCheck::claimed_kind(file.data(), file.size()) == cImageCheck::kNone)
            decode_as(file, "fuzz.png"); // only the extension differs then
    });
    return 0;
}
