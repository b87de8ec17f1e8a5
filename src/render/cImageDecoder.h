// Turns an image file into a DevIL image of 8-bit RGB or RGBA pixels. The
// file's structure is checked first, so the image library only ever decodes
// whole PNG and JPEG files of bounded size. Needs no GL context.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class cImageDecoder {
public:
    // A new DevIL image (left bound) holding the file's picture, or 0 after
    // one line on standard error when the file gives none.
    static unsigned decode_file(const std::string& path);
    // The same for a file already in memory; `path` names it in messages
    // and, by its extension, the kind of a file that is neither PNG nor JPEG.
    static unsigned decode_bytes(const std::vector<uint8_t>& file, const std::string& path);

    // No picture of the demo comes near this; a larger file is refused unread.
    static constexpr uint64_t kMaxFileBytes = 64u << 20;
};
