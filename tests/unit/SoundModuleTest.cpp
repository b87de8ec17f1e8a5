#include "base/Messages.h"
#include "sound/cSoundModule_fmod.h"
#include "support/Capture.h"
#include "support/TestAudio.h"

#include <SDL.h>
#include <gtest/gtest.h>

// A missing or unreadable stream ends the load phase: the demo's own runs test that.
TEST(SoundModule, PlaysAStreamAndCloseReleasesTheDevice) {
    TempDir dir;
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    const std::string mp3 = write_test_mp3(dir, "music.mp3", 55125); // 1250 ms
    cCapture capture;
    cSoundModule_fmod music(mp3);
    music.start();
    music.load();
    music.play();
    EXPECT_TRUE(music.is_playing());
    EXPECT_EQ(capture.out(), "# sound: SDL's \"dummy\" driver (reports no delay)\n"
                             "# fmod loaded stream \"" +
                                 mp3 + "\" [length: 1250ms]\n# fmod starting playback...\n");
    music.close();
    EXPECT_FALSE(music.is_playing());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_EQ(capture.err(), "");
    FSOUND_Close();
}

TEST(SoundModule, CodesOutsideTheTableAreUnknown) {
    EXPECT_STREQ(cSoundModule_fmod::error_string(FMOD_ERR_MEDIAPLAYER + 1), "Unknown error");
    EXPECT_STREQ(cSoundModule_fmod::error_string(-1), "Unknown error");
}

TEST(SoundModuleDeath, UnusableDeviceEndsTheProcessWithoutALineEnd) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScopedEnv driver{"SDL_AUDIODRIVER", "no-such-driver"};
    EXPECT_EXIT(cSoundModule_fmod().start(), testing::ExitedWithCode(1),
                "Error initializing output device\\.$");
}
