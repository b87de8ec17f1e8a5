#include "platform/cBlockingAudioOutput.h"

#include "platform/PerfCounter.h"
#include "platform/cAudioFeed.h"
#include "platform/cHeardPosition.h"

#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <vector>

namespace {

// The sound server's own priority: above the renderer's threads, which keep every core busy.
constexpr int kAudioNice = -11;

id_t this_thread() {
    return static_cast<id_t>(syscall(SYS_gettid));
}

} // namespace

// Where the system refuses (an ordinary user without the right), the thread keeps its priority:
// the device's buffer is then all that stands between a busy frame and an underrun.
int cBlockingAudioOutput::raise_priority() {
    errno = 0;
    int before = getpriority(PRIO_PROCESS, this_thread()); // -1 is also a priority
    if (errno != 0)
        before = 0;
    (void)setpriority(PRIO_PROCESS, this_thread(), kAudioNice);
    return before;
}

void cBlockingAudioOutput::restore_priority(int nice) {
    (void)setpriority(PRIO_PROCESS, this_thread(), nice);
}

cBlockingAudioOutput::cBlockingAudioOutput(cAudioFeed& feed, cHeardPosition& heard,
                                           int64_t buffer_frames)
    : feed_(feed), heard_(heard), buffer_frames_(buffer_frames) {}

cBlockingAudioOutput::~cBlockingAudioOutput() {
    stop();
}

void cBlockingAudioOutput::start() {
    if (!thread_.joinable())
        thread_ = std::thread(&cBlockingAudioOutput::run, this);
}

void cBlockingAudioOutput::stop() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

void cBlockingAudioOutput::restarted() {
    since_restart_ = 0;
    heard_.forget_report();
}

void cBlockingAudioOutput::run() {
    raise_priority();
    std::vector<int16_t> chunk(2 * kChunkFrames);
    while (!stopping_) {
        const cFeedChunk filled = feed_.fill(chunk.data(), kChunkFrames);
        if (filled.flush) {
            flush();
            since_restart_ = 0;
            heard_.new_music_starts();
        }
        hand_over(chunk.data(), filled.music_frame, filled.music_frames);
    }
}

// The heard position learns of the chunk before the device has it, so a report after the write
// counts it; reports are taken only once the device plays, its buffer full.
void cBlockingAudioOutput::hand_over(const int16_t* samples, int64_t music_frame,
                                     int music_frames) {
    heard_.handed(music_frame, music_frames, true);
    heard_.handed(music_frame + music_frames, kChunkFrames - music_frames, false);
    if (!write(samples, kChunkFrames)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20)); // a lost device: wait
        return;
    }
    since_restart_ += kChunkFrames;
    int64_t delay = 0;
    uint64_t counter = 0;
    if (since_restart_ >= buffer_frames_ && delay_frames(&delay, &counter))
        heard_.delayed(delay, counter);
}
