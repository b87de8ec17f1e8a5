// Checks that a JPEG file is whole before it is decoded: the start marker,
// every segment inside the file, valid tables, one frame of sane size that
// the decoder supports, scans that use what was defined, and an end marker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class cJpegCheck {
public:
    cJpegCheck(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // True for a whole image; false with the reason in `error`.
    bool walk(std::string* error);
    // Whether the walk failed because the file ends too early.
    bool cut_short() const { return cut_; }

    // Progressive images are decoded scan by scan; encoders write about ten.
    static constexpr int kMaxScans = 64;

private:
    bool read_segment(uint8_t marker, const uint8_t* body, size_t length);
    bool read_frame(uint8_t marker, const uint8_t* body, size_t length);
    bool read_scan(const uint8_t* body, size_t length);
    bool read_quant_tables(const uint8_t* body, size_t length);
    bool read_huffman_tables(const uint8_t* body, size_t length);
    size_t skip_entropy_data(size_t at) const;

    const uint8_t* data_;
    size_t size_;
    std::string reason_;
    bool cut_ = false;
    bool progressive_ = false;
    int scans_ = 0;
    int components_ = 0;
    uint8_t component_ids_[4] = {0, 0, 0, 0};
    uint8_t component_quant_[4] = {0, 0, 0, 0};
    bool quant_defined_[4] = {false, false, false, false};
};
