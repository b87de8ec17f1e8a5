// The credits sun's reactions to the tune: the slow drift gives way to cuts on beats 32, 33
// and 64 and on odd track-17 notes, played backwards from note 21 on; track 9 flashes the
// lights as far as controller 72 allows, the kick pulses the black point, the picture brightens.
#include "scenes/creditssun/cCreditsSunCues.h"

#include <gtest/gtest.h>

namespace {

struct cSun {
    cCreditsSunCounters counters;
    cCreditsSunCues cues{counters};
    cLevelsParams levels;

    void at(int32_t now) { cues.update(now, levels); }
};

} // namespace

TEST(CreditsSunCues, BeatsThenTrackSeventeenCutBetweenFourPaths) {
    cSun sun;
    sun.cues.init(0);
    EXPECT_NEAR(sun.cues.path_parameter(7000), 0.5f, 1e-6f) << "a 14 s drift";
    EXPECT_FLOAT_EQ(sun.cues.fov(7000), 85);
    int32_t now = 0;
    for (int beat = 1; beat <= 31; ++beat) {
        sun.cues.beat(now += 450);
        sun.cues.note_on(17, now, now);
    }
    EXPECT_TRUE(sun.cues.slow_camera);
    EXPECT_EQ(sun.cues.path, 1) << "no cut during the drift";
    sun.cues.beat(now += 450);
    EXPECT_FALSE(sun.cues.slow_camera);
    EXPECT_EQ(sun.cues.path, 2) << "beat 32";
    EXPECT_FLOAT_EQ(sun.cues.fov(now), 127.5f) << "a cut starts wide";
    EXPECT_FLOAT_EQ(sun.cues.fov(now + 500), 85) << "and settles in 500 ms";
    EXPECT_NEAR(sun.cues.path_parameter(now + 2750), 0.5f, 1e-6f) << "path 2 lasts 5500 ms";
    sun.cues.beat(now += 450);
    EXPECT_EQ(sun.cues.path, 3) << "beat 33";
    for (int beat = 34; beat <= 63; ++beat)
        sun.cues.beat(now += 450);
    EXPECT_EQ(sun.cues.path, 3);
    sun.cues.beat(now += 450);
    EXPECT_EQ(sun.cues.path, 0) << "beat 64";
    // The 31 notes of the drift counted but did not cut: note 32 is even, 33 cuts and, being
    // above 20, turns the paths around.
    sun.cues.note_on(17, now, now);
    EXPECT_EQ(sun.cues.path, 0);
    sun.cues.note_on(17, now, now);
    EXPECT_EQ(sun.cues.path, 1);
    EXPECT_TRUE(sun.cues.reverse);
    EXPECT_NEAR(sun.cues.path_parameter(now), 0.98f, 1e-6f);
    EXPECT_LT(sun.cues.path_parameter(now + 4500), 0.0f) << "past its 4000 ms backwards";
}

TEST(CreditsSunCues, FirstCutOnANoteAboveTwentyTurnsThePathsAround) {
    cSun sun;
    sun.cues.init(0);
    for (int beat = 1; beat <= 32; ++beat)
        sun.cues.beat(beat * 450);
    for (int note = 1; note <= 19; ++note)
        sun.cues.note_on(17, 20000, 20000);
    EXPECT_EQ(sun.cues.path, (2 + 10) % 4) << "the ten odd notes cut";
    EXPECT_FALSE(sun.cues.reverse);
    sun.cues.note_on(17, 20000, 20000);
    EXPECT_FALSE(sun.cues.reverse) << "note 20 is even";
    sun.cues.note_on(17, 20000, 20000);
    EXPECT_TRUE(sun.cues.reverse) << "note 21";
}

TEST(CreditsSunCues, LightsFlashWithControllerSeventyTwoAndTheKickPulses) {
    cSun sun;
    sun.cues.init(0);
    sun.cues.start(0, 40000);
    // Without the controller the lights stay low whatever track 9 does; the kick pulses 50.
    sun.cues.note_on(9, 1000, 1000);
    sun.cues.note_on(1, 1000, 1000);
    sun.at(1000);
    EXPECT_FLOAT_EQ(sun.cues.blend, 0.1f);
    EXPECT_FLOAT_EQ(sun.levels.inBlack, 135);
    sun.at(1200);
    EXPECT_FLOAT_EQ(sun.levels.inBlack, 110);
    sun.at(1400);
    EXPECT_FLOAT_EQ(sun.levels.inBlack, 85);
    // Full controller: track 9 raises the lights by 0.65, back over 200 ms; no kick pulse.
    sun.cues.controller(72, 127);
    sun.cues.controller(7, 0);
    sun.cues.note_on(9, 2000, 2000);
    sun.cues.note_on(1, 2000, 2000);
    sun.at(2000);
    EXPECT_FLOAT_EQ(sun.cues.blend, 0.75f);
    EXPECT_FLOAT_EQ(sun.cues.particle_alpha, 0.05f);
    EXPECT_FLOAT_EQ(sun.levels.inBlack, 85);
    sun.at(2100);
    EXPECT_FLOAT_EQ(sun.cues.blend, 0.425f);
    sun.at(2200);
    EXPECT_FLOAT_EQ(sun.cues.blend, 0.1f);
    // The picture brightens until 2.5 s before the next scene, 40 s after the first frame.
    sun.at(18750);
    EXPECT_FLOAT_EQ(sun.levels.inWhite, 197.5f);
    sun.at(37500);
    EXPECT_FLOAT_EQ(sun.levels.inWhite, 150);
    EXPECT_FLOAT_EQ(sun.levels.Gamma, 1.2f);
}
