#include "platform/AnswerSource.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kLongestLine = 4096; // a flood without line ends is no answer

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

} // namespace

std::vector<eAnswerSource> answer_sources(eInputKind input, bool display) {
    std::vector<eAnswerSource> sources;
    if (input == eInputKind::pipe_or_file)
        sources.push_back(eAnswerSource::input_line);
    if (display)
        sources.push_back(eAnswerSource::dialog);
    if (input == eInputKind::terminal)
        sources.push_back(eAnswerSource::terminal_prompt);
    sources.push_back(eAnswerSource::default_answer);
    return sources;
}

eInputKind input_kind(int fd) {
    struct stat st;
    if (fstat(fd, &st) != 0)
        return eInputKind::other;
    if (S_ISFIFO(st.st_mode) || S_ISREG(st.st_mode))
        return eInputKind::pipe_or_file;
    return isatty(fd) ? eInputKind::terminal : eInputKind::other;
}

bool display_present() {
    return named("DISPLAY") || named("WAYLAND_DISPLAY");
}

bool read_line_within(int fd, int timeout_ms, std::string* line) {
    using tClock = std::chrono::steady_clock;
    const tClock::time_point deadline = tClock::now() + std::chrono::milliseconds(timeout_ms);
    line->clear();
    while (line->size() < kLongestLine) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - tClock::now()).count();
        if (left <= 0)
            return false; // silent until the deadline
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready <= 0)
            continue;
        char c = 0;
        const ssize_t n = read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return !line->empty(); // the input ended: a last line without its end counts
        if (c == '\n')
            return true;
        line->push_back(c);
    }
    return false;
}
