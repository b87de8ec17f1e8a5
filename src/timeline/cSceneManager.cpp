#include "cSceneManager.h"

#include "base/Messages.h"
#include "cEventQueue_factory.h"
#include "cLaptopLights.h"
#include "cMETrigger.h"
#include "toolkit/cRandomTable.h"

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
        std::exit(0);
    } else {
        msg_err() << "unhandled demo_event: " << type << std::endl;
    }
}

bool cSceneManager::frame_update() {
    time_.advance();
    const bool switched = dispatch();
    if (current_)
        current_->update();
    laptop_lights().fade_step(time_.demo_time());
    return switched;
}

void cSceneManager::start_playback() {
    msg_out() << "# corrected for audio-latency: " << kAudioLatencyMs << "ms" << std::endl;
    sound_.play();
    time_.advance();
    time_.start_ms = time_.now_ms + kAudioLatencyMs;
}
