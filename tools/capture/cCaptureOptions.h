// The capture tool's command line: the start-up answer, the requested
// outputs and the frame rate. Parsing checks form and ranges that need no
// timeline; a bad argument throws with one line saying what is wrong.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sCaptureOptions {
    static constexpr int32_t kToEnd = -1;

    bool wide = false;
    std::vector<int32_t> at; // demo times, ascending
    std::string out_dir = ".";
    std::string sheet;
    int32_t every = 10000;
    std::string video;
    std::string piece; // the lossless piece of the range; its record beside it, + ".record"
    int32_t from = 0;
    int32_t to = kToEnd;
    int fps = 60;
    std::string stats;
    int width = 0, height = 0; // --size; 0: the screen's size
    int32_t back_from = -1;    // --back-from: played to first, then jumped back from; -1: none

    bool runs_to_end() const { return to == kToEnd; }
};

class cCaptureOptions {
public:
    static sCaptureOptions parse(const std::vector<std::string>& args);
    // "65084" or "0:1:05,084" (h:m:s with optional ,ms) as ms of demo time.
    static int32_t parse_time(const std::string& text);
    // A comma-separated list of such times, sorted.
    static std::vector<int32_t> parse_times(const std::string& list);
    // Plain decimal digits only.
    static int32_t parse_number(const std::string& text, const std::string& what);
    // "WxH", each even and 64 to 8192 (a video's frame wants even sides).
    static void parse_size(const std::string& text, sCaptureOptions& o);
    static const char* usage();
};
