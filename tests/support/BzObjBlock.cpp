#include "support/BzObjBlock.h"

#include <fstream>
#include <zlib.h>

void write_bzobj(const std::string& path, const cBzObjBlock& block, int64_t raw_size) {
    uLongf packed_size = compressBound(block.bytes.size());
    std::vector<uint8_t> packed(packed_size);
    compress2(packed.data(), &packed_size, block.bytes.data(), block.bytes.size(), 9);
    const uint32_t sizes[2] = {
        static_cast<uint32_t>(raw_size < 0 ? static_cast<int64_t>(block.bytes.size()) : raw_size),
        static_cast<uint32_t>(packed_size)};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(sizes), sizeof sizes);
    out.write(reinterpret_cast<const char*>(packed.data()), static_cast<long>(packed_size));
}
