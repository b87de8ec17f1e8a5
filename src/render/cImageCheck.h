// Walks an image file's structure before the image library sees it, so the
// decoder never meets a cut or lying file: only a whole PNG or JPEG of
// bounded size passes. Needs no GL and no image library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class cImageCheck {
public:
    enum eKind { kNone, kPng, kJpeg };

    // The kind of a whole, well-formed PNG or JPEG image within the bounds
    // below; kNone, with the reason in `error`, for anything else, and
    // `cut_short` set when the file ends before the image does.
    static eKind check(const uint8_t* data, size_t size, std::string* error, bool* cut_short);
    // The kind its first bytes claim, before any check.
    static eKind claimed_kind(const uint8_t* data, size_t size);
    // Whether an image of this size is one we decode.
    static bool size_allowed(uint64_t width, uint64_t height);

    // Larger than any picture of the demo, small enough that decoding one
    // stays within a hundred megabytes and a fraction of a second.
    static constexpr uint32_t kMaxSide = 8192;
    static constexpr uint64_t kMaxPixels = 4u << 20;
};
