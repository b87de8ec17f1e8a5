// Builds ".bzobj" mesh data byte by byte for the loader's tests: an inflated
// block written field by field, little-endian, as the loader reads it, and
// the container around it (raw size, packed size, zlib stream).
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

struct cBzObjBlock {
    std::vector<uint8_t> bytes;

    template <class T> cBzObjBlock& put(T value) {
        uint8_t raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T));
        bytes.insert(bytes.end(), raw, raw + sizeof(T));
        return *this;
    }
    cBzObjBlock& header(uint8_t flags, int32_t v, int32_t t, int32_t m) {
        return put(flags).put(v).put(t).put(m);
    }
    // `count` floats start, start + 1, ...
    cBzObjBlock& floats(int count, float start = 0) {
        for (int i = 0; i < count; ++i)
            put(start + static_cast<float>(i));
        return *this;
    }
    cBzObjBlock& values(std::initializer_list<float> list) {
        for (float v : list)
            put(v);
        return *this;
    }
    cBzObjBlock& ints(std::initializer_list<int32_t> list) {
        for (int32_t v : list)
            put(v);
        return *this;
    }
    // Six string lengths and strings, then ambient, diffuse and specular
    // (all `colour`), shininess 8, the lighting model, alpha and extra 1.
    cBzObjBlock& material(const std::vector<std::string>& strings, int32_t model = 2,
                          float alpha = 0.5f,
                          std::initializer_list<float> colour = {0.25f, 0.25f, 0.25f, 0.25f}) {
        for (const std::string& s : strings)
            put(static_cast<uint8_t>(s.size()));
        for (const std::string& s : strings)
            bytes.insert(bytes.end(), s.begin(), s.end());
        for (int c = 0; c < 3; ++c)
            values(colour);
        put(8.0f).put(model).put(alpha).put(1.0f);
        return *this;
    }
};

// Writes the container: raw size (or `raw_size` when not negative), packed
// size, and the zlib stream of the block.
void write_bzobj(const std::string& path, const cBzObjBlock& block, int64_t raw_size = -1);
