#include "cPngCheck.h"

#include "cImageCheck.h"

#include <cstring>
#include <zlib.h>

namespace {

uint32_t big_endian(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

bool is(const uint8_t* type, const char* name) {
    return std::memcmp(type, name, 4) == 0;
}

// Chunk names are four ASCII letters.
bool named(const uint8_t* type) {
    for (int i = 0; i < 4; ++i)
        if (!((type[i] >= 'A' && type[i] <= 'Z') || (type[i] >= 'a' && type[i] <= 'z')))
            return false;
    return true;
}

bool fail(std::string* error, const std::string& text) {
    *error = text;
    return false;
}

// Bits per pixel of a colour type and bit depth the format allows; 0 if none.
int bits_per_pixel(int colour_type, int depth) {
    const bool any = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    switch (colour_type) {
    case 0: // grey
        return any ? depth : 0;
    case 3: // palette
        return any && depth <= 8 ? depth : 0;
    case 2: // RGB
    case 4: // grey and alpha
    case 6: // RGBA
        return depth == 8 || depth == 16 ? depth * (colour_type == 2   ? 3
                                                    : colour_type == 4 ? 2
                                                                       : 4)
                                         : 0;
    default:
        return 0;
    }
}

} // namespace

bool cPngCheck::walk(std::string* error) {
    size_t at = 8;
    for (bool first = true;; first = false) {
        cut_ = size_ - at < 12;
        if (cut_)
            return fail(error, "cut short before its end chunk");
        const uint32_t length = big_endian(data_ + at);
        const uint8_t* type = data_ + at + 4;
        cut_ = length > size_ - at - 12;
        if (cut_)
            return fail(error, "a chunk runs past the end of the file");
        if (!named(type) || crc32(0, type, 4 + length) != big_endian(type + 4 + length))
            return fail(error, "a chunk with a broken name or checksum");
        if (first != is(type, "IHDR"))
            return fail(error, "no header chunk first");
        if (is(type, "IEND"))
            return rows_intact(error);
        if (!read_chunk(type, type + 4, length, error))
            return false;
        at += 12 + size_t(length);
    }
}

bool cPngCheck::read_chunk(const uint8_t* type, const uint8_t* chunk, uint32_t length,
                           std::string* error) {
    if (is(type, "IHDR"))
        return passes_.empty() ? read_header(chunk, length, error)
                               : fail(error, "a second header chunk");
    if (is(type, "PLTE")) {
        palette_seen_ = true;
        if (length == 0 || length > 768 || length % 3 || !idat_.empty())
            return fail(error, "a broken palette");
        return true;
    }
    if (is(type, "IDAT")) {
        if (data_ended_)
            return fail(error, "image data in pieces apart");
        if (palette_needed_ && !palette_seen_)
            return fail(error, "a palette image without a palette");
        idat_.emplace_back(chunk, length);
        return true;
    }
    data_ended_ = !idat_.empty();
    if (!(type[0] & 0x20)) // a critical chunk the decoder would not know
        return fail(error, "an unknown critical chunk");
    return true;
}

bool cPngCheck::read_header(const uint8_t* chunk, uint32_t length, std::string* error) {
    if (length != 13)
        return fail(error, "a header chunk of the wrong length");
    const uint32_t width = big_endian(chunk), height = big_endian(chunk + 4);
    const int bits = bits_per_pixel(chunk[9], chunk[8]);
    if (!cImageCheck::size_allowed(width, height))
        return fail(error, "a size of " + std::to_string(width) + " x " + std::to_string(height) +
                               " pixels");
    if (!bits || chunk[10] != 0 || chunk[11] != 0 || chunk[12] > 1)
        return fail(error, "an unknown pixel format");
    palette_needed_ = chunk[9] == 3;
    plan_rows(width, height, bits, chunk[12] == 1);
    return true;
}

// The rows of the image, or of each of the seven interlace passes, each
// with a filter byte in front.
void cPngCheck::plan_rows(uint32_t width, uint32_t height, int bits_per_pixel, bool interlaced) {
    static const int kStartX[7] = {0, 4, 0, 2, 0, 1, 0}, kStartY[7] = {0, 0, 4, 0, 2, 0, 1};
    static const int kStepX[7] = {8, 8, 4, 4, 2, 2, 1}, kStepY[7] = {8, 8, 8, 4, 4, 2, 2};
    for (int p = 0; p < (interlaced ? 7 : 1); ++p) {
        const uint64_t w = interlaced ? (width + kStepX[p] - 1 - kStartX[p]) / kStepX[p] : width;
        const uint64_t h = interlaced ? (height + kStepY[p] - 1 - kStartY[p]) / kStepY[p] : height;
        if (w > 0 && h > 0 && width > uint32_t(interlaced ? kStartX[p] : 0) &&
            height > uint32_t(interlaced ? kStartY[p] : 0))
            passes_.push_back({h, (w * bits_per_pixel + 7) / 8});
    }
}

// The image data inflates to exactly the planned rows, each starting with
// one of the five filter types.
bool cPngCheck::rows_intact(std::string* error) const {
    if (idat_.empty())
        return fail(error, "no image data");
    uint64_t expected = 0;
    for (const sPass& p : passes_)
        expected += p.rows * (1 + p.row_bytes);
    std::vector<uint8_t> rows(expected + 1); // one more: too much data shows
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return fail(error, "no memory to check the image data");
    z.next_out = rows.data();
    z.avail_out = static_cast<uInt>(rows.size());
    int result = Z_OK;
    for (size_t i = 0; i < idat_.size() && result == Z_OK; ++i) {
        z.next_in = const_cast<uint8_t*>(idat_[i].first);
        z.avail_in = idat_[i].second;
        result = inflate(&z, Z_NO_FLUSH);
        if (result == Z_BUF_ERROR && z.avail_out > 0)
            result = Z_OK; // this chunk used up, the stream goes on in the next
    }
    const uint64_t produced = z.total_out;
    inflateEnd(&z);
    if (result != Z_STREAM_END || produced != expected)
        return fail(error, "image data that does not inflate to its rows");
    rows.pop_back();
    return filters_intact(rows) || fail(error, "a row with an unknown filter");
}

bool cPngCheck::filters_intact(const std::vector<uint8_t>& rows) const {
    size_t at = 0;
    for (const sPass& p : passes_)
        for (uint64_t r = 0; r < p.rows; ++r, at += 1 + p.row_bytes)
            if (rows[at] > 4)
                return false;
    return true;
}
