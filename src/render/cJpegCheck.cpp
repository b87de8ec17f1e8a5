#include "cJpegCheck.h"

#include "cImageCheck.h"

namespace {

constexpr uint8_t kSof0 = 0xC0, kSof1 = 0xC1, kSof2 = 0xC2, kDht = 0xC4, kEoi = 0xD9, kSos = 0xDA,
                  kDqt = 0xDB, kDri = 0xDD;

size_t big_endian16(const uint8_t* p) {
    return size_t(p[0]) << 8 | p[1];
}

bool is_frame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != kDht && marker != 0xC8 && marker != 0xCC;
}

// Markers without a length: the restart markers and TEM.
bool stands_alone(uint8_t marker) {
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
}

} // namespace

bool cJpegCheck::walk(std::string* error) {
    size_t at = 2; // after the start marker
    while (true) {
        while (at < size_ && data_[at] == 0xFF && at + 1 < size_ && data_[at + 1] == 0xFF)
            ++at; // fill bytes before a marker
        cut_ = size_ - at < 2;
        if (cut_ || data_[at] != 0xFF) {
            *error = cut_ ? "cut short before its end marker" : "no marker where one belongs";
            return false;
        }
        ++at;
        const uint8_t marker = data_[at++];
        if (marker == kEoi) {
            if (scans_ == 0)
                *error = "no scan before the end marker";
            return scans_ > 0;
        }
        cut_ = size_ - at < 2;
        if (stands_alone(marker) || marker == 0x00 || cut_) {
            *error = cut_ ? "cut short inside a segment" : "a broken marker";
            return false;
        }
        const size_t length = big_endian16(data_ + at);
        cut_ = length > size_ - at;
        if (length < 2 || cut_) {
            *error = cut_ ? "a segment runs past the end of the file" : "a broken segment length";
            return false;
        }
        if (!read_segment(marker, data_ + at + 2, length - 2)) {
            *error = reason_;
            return false;
        }
        at += length;
        if (marker == kSos)
            at = skip_entropy_data(at);
    }
}

bool cJpegCheck::read_segment(uint8_t marker, const uint8_t* body, size_t length) {
    if (is_frame(marker))
        return read_frame(marker, body, length);
    if (marker == kSos)
        return read_scan(body, length);
    if (marker == kDqt)
        return read_quant_tables(body, length);
    if (marker == kDht)
        return read_huffman_tables(body, length);
    if (marker == kDri && length != 2)
        return reason_ = "a broken restart interval", false;
    return true; // application data, comments: skipped by the decoder
}

bool cJpegCheck::read_frame(uint8_t marker, const uint8_t* body, size_t length) {
    if (components_)
        return reason_ = "a second frame", false;
    if (marker != kSof0 && marker != kSof1 && marker != kSof2)
        return reason_ = "a coding the decoder does not support", false;
    if (length < 6 || body[0] != 8 || length != 6 + 3 * size_t(body[5]))
        return reason_ = "a broken frame header", false;
    const size_t height = big_endian16(body + 1), width = big_endian16(body + 3);
    if (!cImageCheck::size_allowed(width, height))
        return reason_ = "a size of " + std::to_string(width) + " x " + std::to_string(height) +
                         " pixels",
               false;
    const int count = body[5];
    if (count != 1 && count != 3 && count != 4)
        return reason_ = "a frame of " + std::to_string(count) + " components", false;
    for (int c = 0; c < count; ++c) {
        const uint8_t* component = body + 6 + 3 * c;
        const int h = component[1] >> 4, v = component[1] & 15;
        if (h < 1 || h > 4 || v < 1 || v > 4 || component[2] > 3)
            return reason_ = "a broken frame component", false;
        component_ids_[c] = component[0];
        component_quant_[c] = component[2];
    }
    components_ = count;
    progressive_ = marker == kSof2;
    return true;
}

bool cJpegCheck::read_scan(const uint8_t* body, size_t length) {
    if (!components_ || ++scans_ > kMaxScans)
        return reason_ = components_ ? "too many scans" : "a scan before the frame", false;
    const int count = length ? body[0] : 0;
    if (count < 1 || count > 4 || length != 4 + 2 * size_t(count))
        return reason_ = "a broken scan header", false;
    unsigned used = 0;
    for (int s = 0; s < count; ++s) {
        int c = 0;
        while (c < components_ && component_ids_[c] != body[1 + 2 * s])
            ++c;
        if (c == components_ || (used & (1u << c)) || !quant_defined_[component_quant_[c]] ||
            (body[2 + 2 * s] >> 4) > 3 || (body[2 + 2 * s] & 15) > 3)
            return reason_ = "a scan of a component or table that is not there", false;
        used |= 1u << c;
    }
    const uint8_t ss = body[1 + 2 * count], se = body[2 + 2 * count];
    const uint8_t ah = body[3 + 2 * count] >> 4, al = body[3 + 2 * count] & 15;
    const bool bad_progression = ss > se || se > 63 || al > 13 || (ah && al != ah - 1) ||
                                 (ss == 0) != (se == 0) || (ss && count != 1);
    if (progressive_ && bad_progression)
        return reason_ = "a broken progression", false;
    return true;
}

bool cJpegCheck::read_quant_tables(const uint8_t* body, size_t length) {
    for (size_t at = 0; at < length;) {
        const int precision = body[at] >> 4, slot = body[at] & 15;
        const size_t bytes = 1 + 64 * size_t(precision + 1);
        if (precision > 1 || slot > 3 || bytes > length - at)
            return reason_ = "a broken quantisation table", false;
        quant_defined_[slot] = true;
        at += bytes;
    }
    return true;
}

// Each table's code lengths must leave room for the codes, with no code of
// all ones; the symbols of a DC table are sizes of at most 15 bits.
bool cJpegCheck::read_huffman_tables(const uint8_t* body, size_t length) {
    for (size_t at = 0; at < length;) {
        const int kind = body[at] >> 4, slot = body[at] & 15;
        if (kind > 1 || slot > 3 || length - at < 17)
            return reason_ = "a broken Huffman table", false;
        size_t total = 0;
        uint32_t code = 0;
        for (int bits = 1; bits <= 16; ++bits) {
            const uint8_t count = body[at + size_t(bits)];
            total += count;
            code = (code << 1) + count;
            if (count && code >= (1u << bits))
                return reason_ = "a broken Huffman table", false;
        }
        if (total > 256 || 17 + total > length - at)
            return reason_ = "a broken Huffman table", false;
        for (size_t i = 0; kind == 0 && i < total; ++i)
            if (body[at + 17 + i] > 15)
                return reason_ = "a broken Huffman table", false;
        at += 17 + total;
    }
    return true;
}

// The scan's coded data runs up to the next marker: a 0xFF that is not
// followed by a stuffed zero or a restart marker.
size_t cJpegCheck::skip_entropy_data(size_t at) const {
    for (; at + 1 < size_; ++at) {
        if (data_[at] != 0xFF)
            continue;
        const uint8_t next = data_[at + 1];
        if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7) && next != 0xFF)
            return at;
    }
    return size_; // no marker after the scan: cut short
}
