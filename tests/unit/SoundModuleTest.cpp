#include "base/Messages.h"
#include "sound/cSoundModule_fmod.h"
#include "support/TestAudio.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(SoundModule, ErrorTextsMatchTheLibraryCodes) {
    struct Case {
        int code;
        const char* text;
    } cases[] = {
        {FMOD_ERR_NONE, "No errors"},
        {FMOD_ERR_BUSY, "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first."},
        {FMOD_ERR_INIT, "Error initializing output device."},
        {FMOD_ERR_FILE_NOTFOUND, "File not found"},
        {FMOD_ERR_FILE_FORMAT, "Unknown file format"},
        {FMOD_ERR_FILE_BAD, "Error loading file"},
        {FMOD_ERR_MEMORY, "Not enough memory "},
        {FMOD_ERR_MEDIAPLAYER, "Required Mediaplayer codec is not installed"},
        {19, "Unknown error"},
        {-1, "Unknown error"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(cSoundModule_fmod::error_string(c.code), c.text) << c.code;
}

TEST(SoundModule, EveryKnownCodeHasItsOwnText) {
    for (int a = 0; a <= FMOD_ERR_MEDIAPLAYER; ++a)
        for (int b = a + 1; b <= FMOD_ERR_MEDIAPLAYER; ++b)
            EXPECT_STRNE(cSoundModule_fmod::error_string(a), cSoundModule_fmod::error_string(b))
                << a << b;
}

class SoundModuleTest : public testing::Test {
protected:
    void SetUp() override { redirect_messages(&out, &err); }
    void TearDown() override {
        redirect_messages(nullptr, nullptr);
        FSOUND_Close();
    }

    TempDir dir;
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    std::ostringstream out, err;
};

TEST_F(SoundModuleTest, LoadsAndPlaysAStream) {
    const std::string mp3 = write_test_mp3(dir, "music.mp3", 55125); // 1250 ms
    cSoundModule_fmod music(mp3);
    music.start();
    music.load();
    EXPECT_EQ(out.str(), "# fmod loaded stream \"" + mp3 + "\" [length: 1250ms]\n");
    music.play();
    EXPECT_TRUE(music.is_playing());
    EXPECT_EQ(out.str().substr(out.str().find('\n') + 1), "# fmod starting playback...\n");
    music.close();
    EXPECT_FALSE(music.is_playing());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_EQ(err.str(), "");
}

TEST(SoundModuleDeath, MissingMusicEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    EXPECT_EXIT(
        {
            cSoundModule_fmod music("no/such/music.mp3");
            music.start();
            music.load();
        },
        testing::ExitedWithCode(1), "^## ERROR: File not found\n$");
}

TEST(SoundModuleDeath, UnusableDeviceEndsTheProcessWithoutALineEnd) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScopedEnv driver{"SDL_AUDIODRIVER", "no-such-driver"};
    EXPECT_EXIT(cSoundModule_fmod().start(), testing::ExitedWithCode(1),
                "Error initializing output device\\.$");
}

} // namespace
