#include "platform/cHeardPosition.h"

void cHeardPosition::handed(int64_t music_frame, int64_t frames, bool advancing) {
    if (frames <= 0)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (advancing) {
        // Music that does not go on from the run before (a seek, the end of a pause) starts a
        // new run; what was handed before it is measured from the new run too.
        if (held_from_ >= 0 || music_frame != run_end_) {
            run_device_ = handed_;
            run_music_ = music_frame;
        }
        held_from_ = -1;
        run_end_ = music_frame + frames;
    } else if (held_from_ < 0) {
        held_from_ = handed_;
    }
    handed_ += frames;
}

void cHeardPosition::delayed(int64_t delay_frames, uint64_t counter) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (awaiting_new_music_)
        return;
    heard_at_report_ = static_cast<double>(handed_ - delay_frames);
    report_counter_ = counter;
    reported_ = true;
    last_delay_ms_ = static_cast<int>(delay_frames * 1000 / rate_);
}

void cHeardPosition::forget_report() {
    std::lock_guard<std::mutex> lock(mutex_);
    reported_ = false;
}

void cHeardPosition::expect_new_music() {
    std::lock_guard<std::mutex> lock(mutex_);
    reported_ = false;
    awaiting_new_music_ = true;
}

void cHeardPosition::new_music_starts() {
    std::lock_guard<std::mutex> lock(mutex_);
    reported_ = false;
    awaiting_new_music_ = false;
}

bool cHeardPosition::music_ms(uint64_t counter, uint64_t frequency, double* ms) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!reported_ || run_end_ < 0)
        return false;
    const double since = (static_cast<double>(counter) - static_cast<double>(report_counter_)) /
                         static_cast<double>(frequency);
    const double heard = heard_at_report_ + since * rate_;
    if (held_from_ >= 0 && heard >= static_cast<double>(held_from_))
        return false;
    const double frame = static_cast<double>(run_music_) + heard - static_cast<double>(run_device_);
    *ms = frame * 1000.0 / rate_;
    return true;
}

int cHeardPosition::delay_ms() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return last_delay_ms_;
}
