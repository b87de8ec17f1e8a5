#include "timeline/cEventQueue.h"
#include "timeline/cMECtrlChange.h"
#include "timeline/cMETrigger.h"

#include <gtest/gtest.h>

namespace {

cMETrigger* note(int track, int kind, int time) {
    auto* n = new cMETrigger(kind, 60, 100);
    n->track = track;
    n->time = time;
    return n;
}

} // namespace

TEST(EventQueue, EqualTimesFallDueTogetherOnlyAfterTheirTime) {
    cEventQueue queue;
    for (int type : {16, 3, 31})
        queue.add(new cEvent(type, 100));
    queue.add(new cEvent(4, 0));
    queue.sort();
    EXPECT_EQ(queue.pop_due(0), nullptr); // not before demo time exceeds 0
    EXPECT_EQ(queue.pop_due(1)->type, 4);
    EXPECT_EQ(queue.pop_due(100), nullptr);
    int due = 0;
    while (queue.pop_due(101))
        ++due;
    EXPECT_EQ(due, 3);
}

TEST(EventQueue, LooksAheadFromTheCursorOnly) {
    cEventQueue queue;
    queue.add(note(7, iMidiEvent::kNoteOn, 10));
    queue.add(new cEvent(5, 20));
    queue.add(note(7, iMidiEvent::kNoteOff, 30));
    queue.add(new cMECtrlChange(72, 5)); // time -1 until set
    queue.add(note(3, iMidiEvent::kNoteOn, 40));
    queue.add(note(7, iMidiEvent::kNoteOn, 50));
    queue.add(new cEvent(13, 60));
    queue.sort();
    queue.pop_due(0); // the controller at -1
    EXPECT_EQ(queue.find_nth_note(7, 1)->time, 10);
    EXPECT_EQ(queue.find_nth_note(7, 2)->time, 30); // note-offs count too
    EXPECT_EQ(queue.find_nth_note(7, 3)->time, 50);
    EXPECT_EQ(queue.find_nth_note(7, 4), nullptr);
    EXPECT_EQ(queue.next_scene_time(), 20);
    EXPECT_EQ(queue.find_first(13).time, 60);
    while (queue.pop_due(21)) {
    }
    EXPECT_EQ(queue.find_nth_note(7, 1)->time, 30);
    EXPECT_EQ(queue.next_scene_time(), 60); // type 13 counts as a scene event
    EXPECT_EQ(queue.find_first(5).time, -1);
}
