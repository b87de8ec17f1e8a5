#include "cCaptureOptions.h"

#include <algorithm>
#include <functional>
#include <map>
#include <regex>
#include <stdexcept>

namespace {

using tSetter = std::function<void(sCaptureOptions&, const std::string&)>;

const std::map<std::string, tSetter>& valued_options() {
    static const std::map<std::string, tSetter> options = {
        {"--at",
         [](sCaptureOptions& o, const std::string& v) { o.at = cCaptureOptions::parse_times(v); }},
        {"--out", [](sCaptureOptions& o, const std::string& v) { o.out_dir = v; }},
        {"--sheet", [](sCaptureOptions& o, const std::string& v) { o.sheet = v; }},
        {"--every", [](sCaptureOptions& o,
                       const std::string& v) { o.every = cCaptureOptions::parse_time(v); }},
        {"--video", [](sCaptureOptions& o, const std::string& v) { o.video = v; }},
        {"--piece", [](sCaptureOptions& o, const std::string& v) { o.piece = v; }},
        {"--from",
         [](sCaptureOptions& o, const std::string& v) { o.from = cCaptureOptions::parse_time(v); }},
        {"--to",
         [](sCaptureOptions& o, const std::string& v) { o.to = cCaptureOptions::parse_time(v); }},
        {"--fps",
         [](sCaptureOptions& o, const std::string& v) {
             o.fps = cCaptureOptions::parse_number(v, "frame rate");
         }},
        {"--stats", [](sCaptureOptions& o, const std::string& v) { o.stats = v; }},
        {"--back-from", [](sCaptureOptions& o,
                           const std::string& v) { o.back_from = cCaptureOptions::parse_time(v); }},
        {"--size",
         [](sCaptureOptions& o, const std::string& v) { cCaptureOptions::parse_size(v, o); }},
    };
    return options;
}

void check_ranges(const sCaptureOptions& o) {
    if (o.fps < 1 || o.fps > 240)
        throw std::runtime_error("--fps must lie between 1 and 240");
    if (o.every <= 0)
        throw std::runtime_error("--every must be more than 0 ms");
    if (!o.runs_to_end() && o.to <= o.from)
        throw std::runtime_error("--to must lie after --from");
    if (o.at.empty() && o.sheet.empty() && o.video.empty() && o.stats.empty() && o.piece.empty())
        throw std::runtime_error(
            "nothing to capture: give --at, --sheet, --video, --piece or --stats");
}

} // namespace

const char* cCaptureOptions::usage() {
    return "usage: capture [options]   (run from bin/, like the demo; under xvfb-run without a "
           "display)\n"
           "Plays the demo on a virtual clock, with the sound silent, and writes what the options\n"
           "ask for: at least one of --at, --sheet, --video and --stats. A time T is milliseconds\n"
           "of demo time or h:m:s,ms as in the event script.\n"
           "\n"
           "  --wide          answer the start-up question Yes: the picture fills the window\n"
           "  --letterbox     answer it No: the picture is letterboxed (the default)\n"
           "  --at T1,T2,...  write the frame on screen at each time as DIR/frame_<ms>.png\n"
           "  --out DIR       the folder of the --at pictures, made if missing (default: .)\n"
           "  --sheet FILE    write a contact sheet (PNG): a labelled tile every --every ms\n"
           "  --every T       the time between the sheet's tiles (default: 10000)\n"
           "  --video FILE    write a video of the range with the music (MP4, needs ffmpeg)\n"
           "  --piece FILE    write the range's frames losslessly (FFV1 in Matroska, no sound) "
           "and\n"
           "                  FILE.record: the commit, data, renderer, host and each frame's "
           "SHA-256\n"
           "                  (scripts/render-farm.sh joins such pieces)\n"
           "  --from T        where the range of --sheet, --video, --piece and --stats begins\n"
           "                  (default: 0)\n"
           "  --to T          where it ends (default: the end of the timeline)\n"
           "  --fps N         frames per second of the virtual clock, 1 to 240 (default: 60)\n"
           "  --stats FILE    write each scene's frame count, frame times, the share of them "
           "spent\n"
           "                  in the post effects and the render-target peak\n"
           "  --size WxH      render and write frames of this size, framed as the demo frames a\n"
           "                  screen of that size (default: the screen's size)\n"
           "  --back-from T   first play to T, then jump back to the start and capture from "
           "there:\n"
           "                  the outputs show the frames a jump back gives\n"
           "  --help          print this text\n"
           "\n"
           "examples:\n"
           "  xvfb-run -a ./capture --at 0:1:05,250,90000 --out ../out/stills\n"
           "  xvfb-run -a ./capture --wide --video ../out/clip.mp4 --from 0:1:00 --to 0:1:10\n"
           "  xvfb-run -a ./capture --size 1920x1080 --video ../out/hd.mp4 --from 0:2:20 --to "
           "0:2:30\n";
}

int32_t cCaptureOptions::parse_number(const std::string& text, const std::string& what) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit))
        throw std::runtime_error("bad " + what + " \"" + text + "\"");
    return std::stoi(text);
}

void cCaptureOptions::parse_size(const std::string& text, sCaptureOptions& o) {
    const size_t x = text.find('x');
    if (x == std::string::npos)
        throw std::runtime_error("bad size \"" + text + "\": give it as WxH, e.g. 1920x1080");
    const int32_t w = parse_number(text.substr(0, x), "width");
    const int32_t h = parse_number(text.substr(x + 1), "height");
    if (w < 64 || h < 64 || w > 8192 || h > 8192 || w % 2 || h % 2)
        throw std::runtime_error("--size wants even sides from 64 to 8192, not \"" + text + "\"");
    o.width = w;
    o.height = h;
}

int32_t cCaptureOptions::parse_time(const std::string& text) {
    static const std::regex clock(R"((\d+):(\d+):(\d+)(?:,(\d{1,3}))?)");
    std::smatch m;
    if (!std::regex_match(text, m, clock))
        return parse_number(text, "time");
    const int64_t ms =
        ((std::stoll(m[1]) * 60 + std::stoll(m[2])) * 60 + std::stoll(m[3])) * 1000 +
        (m[4].matched ? std::stoll(m[4].str() + std::string(3 - m[4].length(), '0')) : 0);
    if (ms > INT32_MAX)
        throw std::runtime_error("time \"" + text + "\" is too large");
    return static_cast<int32_t>(ms);
}

std::vector<int32_t> cCaptureOptions::parse_times(const std::string& list) {
    std::vector<int32_t> times;
    size_t start = 0;
    for (size_t end; start <= list.size(); start = end + 1) {
        end = std::min(list.find(',', start), list.size());
        // "h:m:s,ms" holds a comma of its own: the digits after it belong to it.
        if (end < list.size() && list.find(':', start) < end) {
            const size_t next = list.find(',', end + 1);
            end = next == std::string::npos ? list.size() : next;
        }
        times.push_back(parse_time(list.substr(start, end - start)));
    }
    std::sort(times.begin(), times.end());
    return times;
}

sCaptureOptions cCaptureOptions::parse(const std::vector<std::string>& args) {
    sCaptureOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--wide" || args[i] == "--letterbox") {
            o.wide = args[i] == "--wide";
            continue;
        }
        const auto option = valued_options().find(args[i]);
        if (option == valued_options().end())
            throw std::runtime_error("unknown option \"" + args[i] + "\"");
        if (i + 1 == args.size())
            throw std::runtime_error(args[i] + " needs a value");
        option->second(o, args[++i]);
    }
    check_ranges(o);
    return o;
}
