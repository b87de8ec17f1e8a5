// The timeline: every event, owned, sorted by time, with a cursor on the
// next one not yet dispatched. Events before the cursor have been handed out
// and stay owned here; scenes may look ahead from the cursor.
#pragma once

#include "cEvent.h"

#include <cstddef>
#include <string>
#include <vector>

class cMETrigger;

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
    void rewind() { cursor_ = 0; }
    void clear();

    // Look-ahead from the cursor, in time order. The n-th (from 1) note-on or
    // note-off of MIDI track `track`; nullptr if there are fewer.
    cMETrigger* find_nth_note(int track, int n) const;
    // Type and time of the first event of `type`; (-1, -1) if none.
    cEvent find_first(int32_t type) const;
    // Time of the first scene switch (types 0-13); -1 if none.
    int32_t next_scene_time() const;

    size_t size() const { return events_.size(); }
    size_t cursor() const { return cursor_; }
    const cEvent* at(size_t i) const { return events_[i]; }

    // The MIDI file's track names in track order, and its controller numbers,
    // ascending, each once.
    std::vector<std::string> track_names;
    std::vector<int> controllers;

private:
    std::vector<cEvent*> events_;
    size_t cursor_ = 0;
};
