// SHA-256 of a byte stream, for the bake's manifest and its input keys: a
// data file's digest says whether two bakes wrote the same bytes, and a
// module library's digest whether its code changed since the last bake.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class cSha256 {
public:
    cSha256();
    void add(const void* data, size_t size);
    void add(const std::string& text) { add(text.data(), text.size()); }
    // The digest as 64 lowercase hex digits; the object is spent afterwards.
    std::string hex();

    static std::string of_text(const std::string& text);
    // Throws std::runtime_error when the file cannot be read.
    static std::string of_file(const std::string& path);

private:
    void block(const uint8_t* data);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> pending_{};
    size_t pending_size_ = 0;
    uint64_t total_ = 0;
};
