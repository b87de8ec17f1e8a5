// The credits room's reactions to the tune: camera cuts on every second kick, the light
// stutter's blend curve, the flash on the 2nd, 5th, 8th ... note of track 10 and its decay,
// and the fade in from white.
#include "scenes/credits/cCreditsRoomCues.h"

#include <gtest/gtest.h>

namespace {

struct cRoom {
    cCreditsRoomCounters counters;
    cCreditsRoomCues cues{counters};
    cLevelsParams levels;
    cHsbParams hsb;

    void at(int32_t now) { cues.update(now, levels, hsb); }
};

} // namespace

TEST(CreditsRoomCues, KicksCutBetweenEightPaths) {
    cRoom room;
    room.cues.init(0);
    room.at(0);
    EXPECT_NEAR(room.cues.path_parameter(650), 0.5f, 1e-6f);
    room.cues.note_on(1, 100);
    EXPECT_EQ(room.cues.path, 0);
    room.cues.note_on(1, 200);
    EXPECT_EQ(room.cues.path, 1);
    EXPECT_NEAR(room.cues.path_parameter(200 + 650), 0.5f, 1e-6f);
    room.cues.note_on(1, 300);
    room.cues.note_on(1, 400);
    EXPECT_EQ(room.cues.path, 2);
    EXPECT_NEAR(room.cues.path_parameter(400 + 600), 0.5f, 1e-6f) << "path 2 lasts 1200 ms";
    for (int pair = 2; pair < 8; ++pair) {
        room.cues.note_on(1, 500);
        room.cues.note_on(1, 500);
    }
    EXPECT_EQ(room.cues.path, 0);
    EXPECT_EQ(room.counters.track1, 16);
}

TEST(CreditsRoomCues, LightsStutterOnTrackFour) {
    cRoom room;
    room.cues.init(0);
    room.at(0);
    EXPECT_FLOAT_EQ(room.cues.blend, 1.0f) << "lights on without events";
    room.cues.note_on(4, 5000);
    const float expected[][2] = {{5000, 0.5f}, {5200, 0.75f}, {5400, 1.0f}, {9000, 1.0f}};
    for (const auto& e : expected) {
        room.at(int32_t(e[0]));
        EXPECT_FLOAT_EQ(room.cues.blend, e[1]) << e[0];
    }
}

TEST(CreditsRoomCues, EveryThirdTrackTenNoteFlashesAndDecays) {
    cRoom room;
    room.cues.init(0);
    room.at(0);
    room.at(5000);
    EXPECT_FLOAT_EQ(room.levels.inBlack, 0) << "no flash without events";
    EXPECT_FLOAT_EQ(room.hsb.saturation, 0);
    // Notes 1 and 3 do nothing, 2 and 5 flash.
    const bool flashes[] = {false, true, false, false, true};
    int32_t now = 10000;
    for (bool flash : flashes) {
        now += 3000;
        room.cues.note_on(10, now);
        room.at(now);
        EXPECT_FLOAT_EQ(room.levels.inBlack, flash ? 65 : 0) << room.counters.track10;
    }
    // With decay 1200 the flash holds until 200 ms and is gone at 1200 ms.
    room.cues.decay = 1200;
    const int32_t flash = now;
    room.at(flash + 200);
    EXPECT_FLOAT_EQ(room.levels.inBlack, 65);
    EXPECT_FLOAT_EQ(room.levels.inWhite, 108);
    EXPECT_FLOAT_EQ(room.levels.Gamma, 2);
    EXPECT_FLOAT_EQ(room.hsb.saturation, -100);
    room.at(flash + 700);
    EXPECT_GT(room.levels.inBlack, 0);
    EXPECT_LT(room.levels.inBlack, 65);
    room.at(flash + 1200);
    EXPECT_FLOAT_EQ(room.levels.inBlack, 0);
    EXPECT_FLOAT_EQ(room.levels.inWhite, 255);
    EXPECT_FLOAT_EQ(room.hsb.saturation, 0);
}

TEST(CreditsRoomCues, FadesInFromWhiteAfterTheFirstFrame) {
    cRoom room;
    room.cues.init(60000);
    room.at(60000);
    EXPECT_FLOAT_EQ(room.levels.outBlack, 255);
    room.at(60750);
    EXPECT_FLOAT_EQ(room.levels.outBlack, 127.5f);
    room.at(61500);
    EXPECT_FLOAT_EQ(room.levels.outBlack, 0);
    // Entering again later does not fade again: the first frame is the run's.
    cCreditsRoomCues again(room.counters);
    again.init(90000);
    again.update(90000, room.levels, room.hsb);
    EXPECT_FLOAT_EQ(room.levels.outBlack, 0);
}
