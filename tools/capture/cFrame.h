// A picture of the capture run: 8-bit RGB, rows from the top. It is read back
// from the window's back buffer after a frame is drawn and before the swap,
// so it holds exactly what that frame shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class cFrame {
public:
    cFrame() = default;
    cFrame(int width, int height)
        : width_(width), height_(height), rgb_(size_t(width) * height * 3) {}

    // The whole window as the current frame drew it.
    static cFrame read_back(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    uint8_t* at(int x, int y) { return &rgb_[(size_t(y) * width_ + x) * 3]; }
    const uint8_t* at(int x, int y) const { return &rgb_[(size_t(y) * width_ + x) * 3]; }
    const std::vector<uint8_t>& bytes() const { return rgb_; }

    // Each `factor` x `factor` block averaged into one pixel.
    cFrame shrunk(int factor) const;
    // A PNG through the image library; throws on failure.
    void save_png(const std::string& file) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> rgb_;
};
