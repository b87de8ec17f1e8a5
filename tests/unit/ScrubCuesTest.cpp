// The growing scrub's reactions to the tune: the shell's inner radius by kick count, the
// accent rules that colour the tube, the greeting cycle with its look-ahead timing, and the
// glow behind a greeting as it shatters.
#include "scenes/scrub/cScrubCues.h"
#include "timeline/cEventQueue.h"
#include "timeline/cMETrigger.h"
#include "toolkit/cRandomTable.h"

#include <gtest/gtest.h>

namespace {

cMETrigger* note(int track, int32_t time, int kind = iMidiEvent::kNoteOn) {
    auto* n = new cMETrigger(kind, 49, 100);
    n->track = track;
    n->time = time;
    return n;
}

} // namespace

TEST(ScrubCuesTest, InnerRadiusWidensBetweenTheTwentyEighthAndFiftySecondKick) {
    cScrubCues cues;
    const struct {
        int kicks;
        float low, high;
    } cases[] = {{0, 0.44f, 0.5f},
                 {27, 0.44f, 0.5f},
                 {28, 0.5f, 2.15f},
                 {52, 0.5f, 2.15f},
                 {53, 0.44f, 0.5f}};
    for (const auto& c : cases) {
        cues.kick_count = c.kicks;
        EXPECT_FLOAT_EQ(cues.inner_radius(0.0f), c.low) << c.kicks << " kicks";
        EXPECT_FLOAT_EQ(cues.inner_radius(1.0f), c.high) << c.kicks << " kicks";
        EXPECT_FLOAT_EQ(cues.radius_range().z, 0.2f);
    }
}

TEST(ScrubCuesTest, AccentsColourTheTubeOnOddCountsAndFromTheFifteenthUntilTheGreetings) {
    cScrubCues cues;
    int32_t expected = cues.accent_ms;
    for (int count = 1; count <= 16; ++count) {
        cues.note_on(cScrubCues::kAccentTrack, count * 100, nullptr);
        if (count % 2 == 1 || count > 14)
            expected = count * 100;
        EXPECT_EQ(cues.accent_ms, expected) << "accent " << count;
    }
    cScrubCues late;
    late.kick_count = 31;
    late.accent_count = 15;
    late.note_on(cScrubCues::kAccentTrack, 1600, nullptr);
    EXPECT_EQ(late.accent_ms, 0) << "the 16th accent once the greetings have begun";
    late.note_on(cScrubCues::kAccentTrack, 1700, nullptr);
    EXPECT_EQ(late.accent_ms, 1700) << "the 17th";
    late.update(1700);
    EXPECT_FLOAT_EQ(late.tube_colour.x, 0.67f);
    late.update(2100);
    EXPECT_FLOAT_EQ(late.tube_colour.y, 0.15f);
}

TEST(ScrubCuesTest, KicksFlashTheFogAndTheThirtySecondBringsTheLogo) {
    cScrubCues cues;
    for (int k = 1; k <= 32; ++k)
        cues.note_on(cScrubCues::kKickTrack, 1000 * k, nullptr);
    EXPECT_FALSE(cues.first_hit);
    EXPECT_FLOAT_EQ(cues.logo_kick_s, 32.0f);
    cues.update(32000);
    EXPECT_FLOAT_EQ(cues.flash, 1.0f);
    EXPECT_FLOAT_EQ(cues.blue, 0.95f);
    EXPECT_FLOAT_EQ(cues.fog_in_use, 0.4f);
    cues.update(32400);
    EXPECT_FLOAT_EQ(cues.flash, 0.0f);
    EXPECT_FLOAT_EQ(cues.fog_in_use, 0.2f);
}

// Seven greetings on the crashes after the 31st kick, then ten crashes without one, then the
// first again; each flies from 2.09 units ahead to behind the camera and shatters from the
// accent on.
TEST(ScrubCuesTest, GreetingsCycleWithTheirTimesFromTheLookAhead) {
    random_table().fill();
    cEventQueue queue;
    queue.add(note(cScrubCues::kCrashTrack, 1000));
    queue.add(note(cScrubCues::kCrashTrack, 1100, iMidiEvent::kNoteOff));
    queue.add(note(cScrubCues::kCrashTrack, 5000));
    for (int32_t t : {2000, 2500, 3000})
        queue.add(note(cScrubCues::kAccentTrack, t));
    queue.sort();
    ASSERT_NE(queue.pop_due(1001), nullptr);

    cScrubCues cues;
    cues.note_on(cScrubCues::kCrashTrack, 900, &queue);
    EXPECT_EQ(cues.greeting, -1) << "no greeting before the 31st kick";
    cues.kick_count = 31;
    cues.note_on(cScrubCues::kCrashTrack, 1000, &queue);
    EXPECT_EQ(cues.greeting, 0);
    EXPECT_EQ(cues.greeting_end, 5000);
    EXPECT_EQ(cues.greeting_accent, 3000) << "the very first greeting waits for the third";
    EXPECT_LE(std::abs(cues.greeting_rotation), 30.0f);
    cues.update(1000);
    EXPECT_NEAR(cues.greeting_z, 2.0875f, 1e-4f);
    EXPECT_FLOAT_EQ(cues.morph, 0.0f);
    cues.update(4000);
    EXPECT_FLOAT_EQ(cues.morph, 0.6f);
    cues.update(4700);
    EXPECT_FLOAT_EQ(cues.morph, 1.0f);
    cues.update(5000);
    EXPECT_NEAR(cues.greeting_z, -1.1f, 1e-4f);

    cues.note_on(cScrubCues::kCrashTrack, 1010, &queue);
    EXPECT_EQ(cues.greeting_accent, 2000) << "later greetings take the next accent";
    const int expected[] = {2, 3, 4, 5, 6, -10, -9, -8, -7, -6, -5, -4, -3, -2, -1, 0};
    for (int e : expected) {
        cues.note_on(cScrubCues::kCrashTrack, 1020, &queue);
        EXPECT_EQ(cues.greeting, e);
        EXPECT_EQ(cues.greeting_shown(), e >= 0);
    }
    cScrubCues next_run; // as a rewind leaves the scene
    next_run.kick_count = 31;
    next_run.note_on(cScrubCues::kCrashTrack, 1000, &queue);
    EXPECT_EQ(next_run.greeting_accent, 3000) << "a new run's first greeting waits again";

    cScrubCues alone;
    alone.kick_count = 40;
    alone.note_on(cScrubCues::kCrashTrack, 7000, nullptr);
    alone.update(7000);
    EXPECT_GT(alone.greeting_end, 7000) << "nothing ahead: the greeting still has a span";
    EXPECT_TRUE(std::isfinite(alone.greeting_z) && std::isfinite(alone.morph));
}

TEST(ScrubCuesTest, GlowShowsOnlyWhileTheGreetingShatters) {
    EXPECT_FLOAT_EQ(cScrubCues::glow_alpha(0.0f), 0.0f) << "whole name: no glow";
    EXPECT_FLOAT_EQ(cScrubCues::glow_scale(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(cScrubCues::glow_alpha(1.0f), 0.0f) << "fully shattered: gone";
    EXPECT_FLOAT_EQ(cScrubCues::glow_alpha(0.5f), 0.125f);
    EXPECT_FLOAT_EQ(cScrubCues::glow_scale(0.2f), 0.6f);
    EXPECT_FLOAT_EQ(cScrubCues::glow_scale(0.5f), 1.0f);
}
