// What a viewer may ask of the demo binary on its command line: help, the version, a window
// instead of full screen, the wide-screen answer, playing in a loop, no vertical sync.
// A bad option gives one line naming it and what is allowed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class cCommandLine {
public:
    // Reads the arguments after the program's name; false (with error() set) on a bad one.
    bool parse(int argc, const char* const* argv);
    const std::string& error() const { return error_; }
    static std::string usage();

    bool help = false;
    bool version = false;
    bool window = false;
    uint32_t window_width = 1024; // --window=WxH; the picture's 1.6 shape without
    uint32_t window_height = 640;
    std::optional<bool> wide; // --wide / --no-wide answer the start-up question
    bool loop = false;
    bool vsync = true;

private:
    bool take(const std::string& arg);
    bool take_window_size(const std::string& size);

    std::string error_;
};
