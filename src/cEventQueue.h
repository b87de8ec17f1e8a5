// The timeline: every event, owned, sorted by time, with a cursor on the
// next one not yet dispatched. Events before the cursor have been handed out
// and stay owned here; scenes may look ahead from the cursor.
#pragma once

#include "cEvent.h"

#include <cstddef>
#include <vector>

class cEventQueue {
public:
    cEventQueue() = default;
    cEventQueue(const cEventQueue&) = delete;
    cEventQueue& operator=(const cEventQueue&) = delete;
    ~cEventQueue();

    // Takes ownership; call sort() once all events are added.
    void add(cEvent* event);
    // The event at the cursor if its time lies before `demo_time`, advancing
    // the cursor; nullptr otherwise.
    cEvent* pop_due(int32_t demo_time);
    // Orders by time (equal times in no set order) and rewinds the cursor.
    void sort();
    void clear();

    size_t size() const { return events_.size(); }
    size_t cursor() const { return cursor_; }

private:
    std::vector<cEvent*> events_;
    size_t cursor_ = 0;
};
