#include "FormatTime.h"

#include <cstdio>

std::string format_time(int32_t ms) {
    // The first frames after the music starts lie before demo time 0.
    const char* sign = ms < 0 ? "-" : "";
    const int64_t t = ms < 0 ? -static_cast<int64_t>(ms) : ms;
    char text[64];
    std::snprintf(text, sizeof text, "%s%02d:%02d:%02d,%03d", sign, static_cast<int>(t / 3600000),
                  static_cast<int>(t / 60000), static_cast<int>(t / 1000 % 60),
                  static_cast<int>(t % 1000));
    return text;
}
