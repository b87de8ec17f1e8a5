#include "platform/MpegProbe.h"

#include <gtest/gtest.h>

namespace {

TEST(MpegProbe, ParsesFrameHeadersOfEachVersionAndLayer) {
    struct Case {
        unsigned char bytes[4];
        int version, layer, rate, length;
    } cases[] = {
        {{0xff, 0xfb, 0x92, 0x64}, 1, 3, 44100, 418}, // 128 kbit/s, padded
        {{0xff, 0xff, 0x90, 0x00}, 1, 1, 44100, 312}, // 288 kbit/s
        {{0xff, 0xf3, 0x80, 0x00}, 2, 3, 22050, 208}, // 64 kbit/s
        {{0xff, 0xe3, 0x88, 0x00}, 25, 3, 8000, 576}, // 64 kbit/s
    };
    for (const Case& c : cases) {
        MpegFrameHeader h;
        ASSERT_TRUE(parse_mpeg_header(c.bytes, &h)) << c.length;
        EXPECT_EQ(h.version, c.version) << c.length;
        EXPECT_EQ(h.layer, c.layer) << c.length;
        EXPECT_EQ(h.sample_rate, c.rate) << c.length;
        EXPECT_EQ(h.length, c.length);
    }
}

TEST(MpegProbe, RejectsBadSyncAndReservedFields) {
    const unsigned char cases[][4] = {
        {0xfe, 0xfb, 0x90, 0x64}, // sync broken in the first byte
        {0xff, 0xeb, 0x90, 0x64}, // reserved version
        {0xff, 0xf9, 0x90, 0x64}, // reserved layer
        {0xff, 0xfb, 0xf0, 0x64}, // bad bit rate
        {0xff, 0xfb, 0x00, 0x64}, // free format
        {0xff, 0xfb, 0x9c, 0x64}, // reserved sample rate
        {0xff, 0xfb, 0x90, 0x66}, // reserved emphasis
    };
    for (const auto& bytes : cases) {
        MpegFrameHeader h;
        EXPECT_FALSE(parse_mpeg_header(bytes, &h))
            << std::hex << int(bytes[1]) << " " << int(bytes[2]) << " " << int(bytes[3]);
    }
}

} // namespace
