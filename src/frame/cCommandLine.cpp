#include "cCommandLine.h"

#include <cstdio>

namespace {

constexpr const char* kAllowed =
    "allowed: --help, --version, --window[=WxH], --wide, --no-wide, --loop, --no-vsync";
// A window smaller than this shows nothing worth seeing; larger than this no screen has.
constexpr uint32_t kSmallest = 64;
constexpr uint32_t kLargest = 16384;

} // namespace

bool cCommandLine::parse(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i)
        if (!take(argv[i]))
            return false;
    return true;
}

bool cCommandLine::take(const std::string& arg) {
    if (arg == "--help" || arg == "-h")
        help = true;
    else if (arg == "--version")
        version = true;
    else if (arg == "--window")
        window = true;
    else if (arg.rfind("--window=", 0) == 0)
        return take_window_size(arg.substr(9));
    else if (arg == "--wide" || arg == "--no-wide")
        wide = arg == "--wide";
    else if (arg == "--loop")
        loop = true;
    else if (arg == "--no-vsync")
        vsync = false;
    else {
        error_ = "unknown option \"" + arg + "\"; " + kAllowed;
        return false;
    }
    return true;
}

bool cCommandLine::take_window_size(const std::string& size) {
    unsigned width = 0, height = 0;
    char end = 0;
    const bool read = std::sscanf(size.c_str(), "%ux%u%c", &width, &height, &end) == 2;
    if (!read || width < kSmallest || height < kSmallest || width > kLargest || height > kLargest) {
        error_ = "--window=" + size + ": the size must be WIDTHxHEIGHT, each from " +
                 std::to_string(kSmallest) + " to " + std::to_string(kLargest) +
                 ", e.g. --window=1280x800";
        return false;
    }
    window = true;
    window_width = width;
    window_height = height;
    return true;
}

std::string cCommandLine::usage() {
    return "Usage: mirrel [OPTION]...\n"
           "A real-time demo: seven scenes in step with one piece of music.\n"
           "\n"
           "  --window        play in a 1024x640 window instead of full screen\n"
           "  --window=WxH    play in a window of that size (the picture keeps its 1.6 shape)\n"
           "  --wide          stretch the picture over the screen without asking\n"
           "  --no-wide       keep the picture's shape, with black bars, without asking\n"
           "  --loop          play again from the start when the demo ends\n"
           "  --no-vsync      do not wait for the screen's vertical blank (for measuring)\n"
           "  --help          show this help and exit\n"
           "  --version       show the version and exit\n"
           "\n"
           "Keys: Escape or q quits, Space prints the demo time, Tab shows the tweak GUI,\n"
           "Right/Left jump 5 s, Page Down/Page Up 30 s, Home restarts, p pauses.\n";
}
