// Writes pictures the pipeline paints as image files the demo's texture
// loader reads: 8-bit RGB or RGBA rows, bottom row first (the loader's
// origin), saved as PNG or JPEG through DevIL.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class cBakeImage {
public:
    // `pixels` holds width x height x channels bytes (3 or 4 channels).
    // Throws when the file cannot be written.
    static void save_png(const std::string& path, int width, int height, int channels,
                         const std::vector<uint8_t>& pixels);
    static void save_jpeg(const std::string& path, int width, int height,
                          const std::vector<uint8_t>& rgb, int quality = 92);

private:
    static void save(const std::string& path, int width, int height, int channels,
                     const std::vector<uint8_t>& pixels, unsigned type, int quality);
};
