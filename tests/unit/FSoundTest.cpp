#include "platform/FSound.h"
#include "support/TestAudio.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

class FSoundTest : public testing::Test {
protected:
    void TearDown() override {
        FSOUND_Close();
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "SDL audio left running";
    }
    bool init() { return FSOUND_SetBufferSize(200) && FSOUND_Init(44100, 2, 0x00080002); }
    FSOUND_STREAM* open(const std::string& path) {
        return FSOUND_Stream_Open(path.c_str(), 0x00020001, 0, 0);
    }

    TempDir dir;
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
};

size_t first_nonzero(const std::vector<int16_t>& v) {
    return size_t(std::find_if(v.begin(), v.end(), [](int16_t s) { return s != 0; }) - v.begin());
}

TEST_F(FSoundTest, PlaysTheWholeStreamInOrderFromItsFirstSampleOnce) {
    const int frames = 66150; // 1.5 s
    const std::string mp3 = write_test_mp3(dir, "tone.mp3", frames);
    const std::string raw = dir.path("out.raw");
    ScopedEnv disk{"SDL_AUDIODRIVER", "disk"}, file{"SDL_DISKAUDIOFILE", raw};

    const std::vector<int16_t> expected = decode_mp3(mp3);
    EXPECT_EQ(expected.size(), 2u * frames) << "LAME/mpg123 gapless round trip";
    ASSERT_TRUE(init());
    FSOUND_STREAM* stream = open(mp3);
    ASSERT_NE(stream, nullptr) << FSOUND_GetError();
    EXPECT_EQ(FSOUND_Stream_GetLengthMs(stream), frames * 1000 / 44100);
    EXPECT_EQ(FSOUND_Stream_Play(-1, stream), 0);
    EXPECT_EQ(FSOUND_Stream_Play(-1, stream), -1) << "a stream plays once";
    SDL_Delay(static_cast<Uint32>(FSOUND_Stream_GetLengthMs(stream) + 1000));
    FSOUND_Close();

    const std::string bytes = read_bytes(raw);
    std::vector<int16_t> written(bytes.size() / 2);
    std::memcpy(written.data(), bytes.data(), written.size() * 2);
    ASSERT_GE(first_nonzero(written), first_nonzero(expected)) << "no leading silence";
    const size_t lead = first_nonzero(written) - first_nonzero(expected);
    ASSERT_EQ(lead % 2, 0u) << "stream must start on a left sample";
    ASSERT_GE(written.size(), lead + expected.size()) << "stream did not finish playing";
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), written.begin() + lead));
    EXPECT_TRUE(std::all_of(written.begin() + lead + expected.size(), written.end(), [](int16_t s) {
        return s == 0;
    })) << "silence after the end, no loop";
}

// Refuses what is not MPEG audio, but finds the audio behind an ID3 tag.
TEST_F(FSoundTest, RefusesFilesThatAreNotMpegAudio) {
    const std::string valid = read_bytes(write_test_mp3(dir, "good.mp3", 4410));
    std::string random;
    for (unsigned i = 0, seed = 7; i < 8192; ++i)
        random += static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    EXPECT_EQ(open(dir.path("good.mp3")), nullptr) << "opened before init";
    ASSERT_TRUE(init());
    for (const std::string& bytes : {random, std::string(), valid.substr(0, 3),
                                     valid.substr(0, 500), std::string(300, '#') + valid}) {
        write_bytes(dir.path("bad.mp3"), bytes);
        EXPECT_EQ(open(dir.path("bad.mp3")), nullptr) << bytes.size();
        EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_FORMAT) << bytes.size();
    }
    EXPECT_EQ(open(dir.path("missing.mp3")), nullptr);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_NOTFOUND);
    std::string tag("ID3\x04\x00\x00\x00\x00\x01\x05", 10); // 133-byte body, sync-safe
    write_bytes(dir.path("tagged.mp3"), tag + std::string(133, '\0') + valid);
    FSOUND_STREAM* stream = open(dir.path("tagged.mp3"));
    ASSERT_NE(stream, nullptr) << FSOUND_GetError();
    EXPECT_EQ(FSOUND_Stream_GetLengthMs(stream), 100);
}

// The demo's SDL start-up opens the audio subsystem itself: close stops only
// what it started, may come twice and allows a new init.
TEST_F(FSoundTest, CloseIsHarmlessWhenRepeatedAndOnlyStopsWhatItStarted) {
    ASSERT_TRUE(init());
    FSOUND_Close();
    FSOUND_Close();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    EXPECT_TRUE(init()) << FSOUND_GetError();
    FSOUND_Close();
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace
