// Checks that a file really holds MPEG audio before the decoder sees it, since
// the decoder resyncs on junk and would play it as noise. A file passes only with
// a frame header right after any ID3v2 tag and another one frame length later.
#pragma once

#include <cstdio>

struct MpegFrameHeader {
    int version = 0;     // 1, 2, or 25 for MPEG 2.5
    int layer = 0;       // 1..3
    int sample_rate = 0; // Hz
    int length = 0;      // bytes, header included
};

// Parses four header bytes; false for a bad sync, a reserved field or a
// free-format bit rate (whose frame length cannot be known from the header).
bool parse_mpeg_header(const unsigned char bytes[4], MpegFrameHeader* out);

// Reads from the start of `file`; leaves its position undefined.
bool probe_mpeg_audio(std::FILE* file);
