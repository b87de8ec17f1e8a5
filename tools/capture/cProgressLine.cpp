#include "cProgressLine.h"

#include "base/FormatTime.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int32_t kQuietStepMs = 10000;
constexpr auto kRedraw = std::chrono::milliseconds(250);

} // namespace

cProgressLine::cProgressLine()
    : terminal_(isatty(STDERR_FILENO) != 0), started_(tClock::now()), shown_(started_) {}

bool cProgressLine::due(int32_t demo_ms, tClock::time_point now) {
    if (terminal_)
        return now - shown_ >= kRedraw;
    return demo_ms >= 0 && demo_ms / kQuietStepMs != shown_ms_ / kQuietStepMs;
}

void cProgressLine::update(int64_t frame, int32_t demo_ms, const std::string& scene) {
    ++frames_;
    const tClock::time_point now = tClock::now();
    if (!due(demo_ms, now))
        return;
    shown_ = now;
    shown_ms_ = demo_ms;
    const double seconds = std::chrono::duration<double>(now - started_).count();
    std::fprintf(stderr, "%s# capture: frame %lld  %s  %-16s %6.1f fps%s", terminal_ ? "\r" : "",
                 static_cast<long long>(frame), format_time(demo_ms).c_str(), scene.c_str(),
                 seconds > 0 ? static_cast<double>(frames_) / seconds : 0.0, terminal_ ? "" : "\n");
    std::fflush(stderr);
}

void cProgressLine::close() {
    if (terminal_)
        std::fputs("\n", stderr);
}
