#include "cEventQueue.h"

#include "cMETrigger.h"

#include <algorithm>

cEventQueue::~cEventQueue() {
    clear();
}

void cEventQueue::add(cEvent* event) {
    events_.push_back(event);
}

cEvent* cEventQueue::pop_due(int32_t demo_time) {
    if (cursor_ >= events_.size() || events_[cursor_]->time >= demo_time)
        return nullptr;
    return events_[cursor_++];
}

void cEventQueue::sort() {
    std::stable_sort(events_.begin(), events_.end(),
                     [](const cEvent* a, const cEvent* b) { return a->time < b->time; });
    cursor_ = 0;
}

void cEventQueue::clear() {
    for (cEvent* event : events_)
        delete event;
    events_.clear();
    cursor_ = 0;
}

cMETrigger* cEventQueue::find_nth_note(int track, int n) const {
    for (size_t i = cursor_; i < events_.size(); ++i) {
        auto* note =
            events_[i]->type == cEvent::kMidi ? dynamic_cast<cMETrigger*>(events_[i]) : nullptr;
        if (note && note->track == track && --n == 0)
            return note;
    }
    return nullptr;
}

cEvent cEventQueue::find_first(int32_t type) const {
    for (size_t i = cursor_; i < events_.size(); ++i)
        if (events_[i]->type == type)
            return cEvent(type, events_[i]->time);
    return cEvent(-1, -1);
}

int32_t cEventQueue::next_scene_time() const {
    for (size_t i = cursor_; i < events_.size(); ++i)
        if (events_[i]->type >= 0 && events_[i]->type <= cEvent::kNoHandler)
            return events_[i]->time;
    return -1;
}
