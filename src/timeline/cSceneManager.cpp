#include "cSceneManager.h"

#include "base/ClockLock.h"
#include "base/FormatTime.h"
#include "base/Messages.h"
#include "cEventQueue_factory.h"
#include "cLaptopLights.h"
#include "cMETrigger.h"
#include "platform/PerfCounter.h"
#include "toolkit/cRandomTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

cSceneManager::cSceneManager() = default;

cSceneManager::~cSceneManager() {
    sound_.close();
    for (cScene*& scene : scenes_) {
        delete scene;
        scene = nullptr;
    }
    delete queue_;
    delete fallback_;
    scenes_.clear();
}

void cSceneManager::start() {
    cEventQueue* script = cEventQueue_factory::loadFile(kEventScript);
    // Without a script the timeline still takes the MIDI file's events.
    set_event_queue(script ? script : new cEventQueue());
    sound_.start();
    sound_.load();
    time_.start();
}

void cSceneManager::set_fallback(cScene* scene) {
    delete fallback_;
    fallback_ = scene;
}

void cSceneManager::add_scene(cScene* scene) {
    scenes_.push_back(scene);
}

void cSceneManager::set_event_queue(cEventQueue* queue) {
    delete queue_;
    queue_ = queue;
}

void cSceneManager::switch_scene(const cEvent& event) {
    if (current_)
        current_->deinit();
    if (scene_start_)
        scene_start_();
    // Every scene draws the same random numbers however the run reached it.
    random_table().set_cursor(0);
    if (event.type >= 0 && static_cast<size_t>(event.type) < scenes_.size()) {
        current_ = scenes_[static_cast<size_t>(event.type)];
        current_->init();
        return;
    }
    msg_err() << "## ERROR: tried to switch to scene" << event.type
              << ", but it's not added. In cSceneManager::switch_scene" << std::endl;
    current_ = fallback_; // shown without init, as a stand-in
}

void cSceneManager::draw_current() {
    if (current_)
        current_->draw();
    else
        msg_err() << "# warning, no scene selected in cSceneManager::draw_current" << std::endl;
}

bool cSceneManager::dispatch() {
    bool switched = false;
    if (!queue_)
        return false;
    while (cEvent* event = queue_->pop_due(time_.demo_time()))
        handle(event, &switched);
    return switched;
}

void cSceneManager::handle(cEvent* event, bool* switched) {
    const int32_t type = event->type;
    if (type >= 0 && type <= cEvent::kLastScene) {
        switch_scene(*event);
        *switched = true;
    } else if (type >= cEvent::kFirstTrigger && type <= cEvent::kBeat) {
        const auto* note = dynamic_cast<const cMETrigger*>(event);
        if (note && note->is_note_on() && note->track == kLightsTrack)
            laptop_lights().flash();
        if (current_)
            current_->handle_event(event);
    } else if (type == cEvent::kQuit) {
        if (!loop_)
            std::exit(0);
        restart_ = true;
    } else {
        msg_err() << "unhandled demo_event: " << type << std::endl;
    }
}

bool cSceneManager::frame_update() {
    time_.advance();
    if (paused_) { // the demo time stands: the start moves with the clock
        time_.start_ms += time_.frame_ms();
        return false;
    }
    follow_music();
    bool switched = dispatch();
    if (restart_) {
        restart_ = false;
        msg_out() << "# the end: playing again from the start" << std::endl;
        seek(0);
        switched = true;
    }
    if (current_)
        current_->update();
    laptop_lights().fade_step(time_.demo_time());
    return switched;
}

void cSceneManager::follow_music() {
    double heard = 0;
    if (!sound_.heard_ms(time_.now_counter, &heard))
        return;
    const int32_t shift = clock_lock::correction(time_.demo_time(), heard, time_.frame_ms());
    time_.start_ms -= shift;
    time_.prev_ms -= shift; // the frame lasted as long as the demo time moved
}

bool cSceneManager::wait_for_heard(double* heard_ms) {
    const int32_t since = time_.now_ms;
    while (!sound_.heard_ms(time_.now_counter, heard_ms)) {
        if (time_.now_ms - since >= kFirstReportWaitMs)
            return false;
        perf_sleep_ms(1);
        time_.advance();
    }
    return true;
}

// Where the output reports when its music is heard, the clock starts from its first report;
// elsewhere demo time 0 is put kAudioLatencyMs after the music is told to play.
void cSceneManager::start_playback() {
    const bool reports = sound_.reports_delay();
    if (!reports)
        msg_out() << "# corrected for audio-latency: " << kAudioLatencyMs << "ms" << std::endl;
    sound_.play();
    time_.advance();
    time_.start_ms = time_.now_ms + kAudioLatencyMs;
    if (reports)
        start_from_first_report();
}

void cSceneManager::start_from_first_report() {
    double heard = 0;
    const bool reported = wait_for_heard(&heard);
    time_.prev_ms = time_.now_ms;
    time_.start_ms =
        time_.now_ms + (reported ? -static_cast<int32_t>(std::lround(heard)) : kAudioLatencyMs);
    if (reported)
        msg_out() << "# corrected for audio-latency: " << sound_.delay_ms()
                  << "ms, as the sound system reports it" << std::endl;
    else
        msg_out() << "# corrected for audio-latency: " << kAudioLatencyMs
                  << "ms until the sound system reports when the music is heard" << std::endl;
}

int32_t cSceneManager::audio_latency_ms() const {
    const int32_t reported = sound_.reports_delay() ? sound_.delay_ms() : -1;
    return reported >= 0 ? reported : kAudioLatencyMs;
}

void cSceneManager::rewind_run() {
    if (current_)
        current_->deinit();
    current_ = nullptr;
    if (queue_)
        queue_->rewind();
    for (cScene* scene : scenes_)
        scene->rewind();
    random_table().set_cursor(0);
    time_.now_ms = time_.start_ms - kAudioLatencyMs;
}

void cSceneManager::replay_to(int32_t t) {
    time_.prev_ms = time_.now_ms;
    time_.now_ms = time_.start_ms + t;
    dispatch();
    if (current_ && replayed_.count(current_))
        current_->update();
}

// Only the scene on screen at `arrive` and the scenes the timeline switches to after it need
// their updates replayed: no other scene's state is ever seen again.
void cSceneManager::mark_replayed(int32_t arrive) {
    replayed_.clear();
    cScene* on_screen = nullptr;
    for (size_t i = 0; queue_ && i < queue_->size(); ++i) {
        const cEvent& e = *queue_->at(i);
        if (e.type < 0 || e.type > cEvent::kLastScene)
            continue;
        cScene* scene = size_t(e.type) < scenes_.size() ? scenes_[size_t(e.type)] : fallback_;
        if (e.time < arrive)
            on_screen = scene;
        else
            replayed_.insert(scene);
    }
    replayed_.insert(on_screen ? on_screen : current_);
}

void cSceneManager::seek(int32_t target_ms) {
    seek_from(target_ms, false);
}

// The music handed over now: the demo time plus what the output takes to play it.
int32_t cSceneManager::music_ms() const {
    return time_.demo_time() + audio_latency_ms();
}

void cSceneManager::replay_timeline(cEventQueue* queue) {
    const int32_t target = music_ms();
    set_event_queue(queue);
    seek_from(target, true);
}

bool cSceneManager::reopen_music() {
    return sound_.reopen(music_ms());
}

void cSceneManager::seek_from(int32_t target_ms, bool from_start) {
    const int32_t end = std::max(sound_.length_ms() - 1, 0);
    target_ms = std::clamp(target_ms, 0, end);
    const int32_t arrive = target_ms - audio_latency_ms();
    const int32_t from = time_.demo_time();
    const uint64_t started = perf_counter();
    mark_replayed(arrive);
    if (arrive < from || from_start)
        rewind_run();
    for (int32_t t = time_.demo_time() + kSeekStepMs; t < arrive; t += kSeekStepMs)
        replay_to(t);
    if (time_.demo_time() < arrive)
        replay_to(arrive);
    sound_.set_time(target_ms);
    time_.advance();
    time_.prev_ms = time_.now_ms;
    time_.start_ms = time_.now_ms - arrive;
    const double ms = double(perf_counter() - started) * 1000.0 / double(time_.frequency);
    msg_out() << "# jumped to " << format_time(std::max(arrive, 0)) << " from "
              << format_time(std::max(from, 0)) << " in " << int(ms) << " ms" << std::endl;
}

void cSceneManager::set_paused(bool paused) {
    if (paused == paused_)
        return;
    paused_ = paused;
    sound_.set_paused(paused);
    if (!paused) // the music picks up where the picture stands
        seek(time_.demo_time() + audio_latency_ms());
}
