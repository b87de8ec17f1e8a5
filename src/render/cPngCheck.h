// Checks that a PNG file is whole before it is decoded: every chunk inside
// the file with its checksum right, a sane header, the palette a palette
// image needs, and image data that inflates to exactly its rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class cPngCheck {
public:
    cPngCheck(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // True for a whole image; false with the reason in `error`.
    bool walk(std::string* error);
    // Whether the walk failed because the file ends too early.
    bool cut_short() const { return cut_; }

private:
    struct sPass {
        uint64_t rows, row_bytes; // each row has a filter byte before these
    };

    bool read_header(const uint8_t* chunk, uint32_t length, std::string* error);
    bool read_chunk(const uint8_t* type, const uint8_t* chunk, uint32_t length, std::string* error);
    void plan_rows(uint32_t width, uint32_t height, int bits_per_pixel, bool interlaced);
    bool rows_intact(std::string* error) const;
    bool filters_intact(const std::vector<uint8_t>& rows) const;

    const uint8_t* data_;
    size_t size_;
    bool cut_ = false;
    bool palette_needed_ = false, palette_seen_ = false, data_ended_ = false;
    std::vector<sPass> passes_;
    // The image data chunks, in order, inflated as one stream at the end.
    std::vector<std::pair<const uint8_t*, uint32_t>> idat_;
};
