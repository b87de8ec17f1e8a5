#include "cEventQueue.h"

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
