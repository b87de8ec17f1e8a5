#include "platform/MpegProbe.h"

namespace {

// Bit rates in kbit/s by bit-rate index: MPEG-1 layers I..III, then
// MPEG-2/2.5 layer I and layers II/III.
constexpr int kBitRates[5][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};
constexpr int kSampleRates[3] = {44100, 48000, 32000}; // MPEG-1; halved per version step

int bit_rate_kbps(int version, int layer, int index) {
    if (version == 1)
        return kBitRates[layer - 1][index];
    return kBitRates[layer == 1 ? 3 : 4][index];
}

int frame_length(const MpegFrameHeader& h, int kbps, int padding) {
    const int bps = kbps * 1000;
    if (h.layer == 1)
        return (12 * bps / h.sample_rate + padding) * 4;
    if (h.layer == 3 && h.version != 1)
        return 72 * bps / h.sample_rate + padding;
    return 144 * bps / h.sample_rate + padding;
}

bool read_at(std::FILE* f, long offset, unsigned char* out, size_t n) {
    return std::fseek(f, offset, SEEK_SET) == 0 && std::fread(out, 1, n, f) == n;
}

// Offset of the first byte after an ID3v2 tag, 0 when there is none.
long skip_id3v2(std::FILE* f) {
    unsigned char tag[10];
    if (!read_at(f, 0, tag, sizeof tag) || tag[0] != 'I' || tag[1] != 'D' || tag[2] != '3')
        return 0;
    long size = 0;
    for (int i = 6; i < 10; ++i)
        size = (size << 7) | (tag[i] & 0x7f); // sync-safe: 7 bits per byte
    const bool footer = (tag[5] & 0x10) != 0;
    return 10 + size + (footer ? 10 : 0);
}

bool header_at(std::FILE* f, long offset, MpegFrameHeader* out) {
    unsigned char bytes[4];
    return read_at(f, offset, bytes, sizeof bytes) && parse_mpeg_header(bytes, out);
}

} // namespace

bool parse_mpeg_header(const unsigned char b[4], MpegFrameHeader* out) {
    if (b[0] != 0xff || (b[1] & 0xe0) != 0xe0)
        return false;
    static const int kVersions[4] = {25, 0, 2, 1};
    MpegFrameHeader h;
    h.version = kVersions[(b[1] >> 3) & 3];
    h.layer = 4 - ((b[1] >> 1) & 3);
    const int rate_index = (b[2] >> 2) & 3;
    const int bit_rate_index = b[2] >> 4;
    if (h.version == 0 || h.layer == 4 || rate_index == 3 || bit_rate_index == 0 ||
        bit_rate_index == 15 || (b[3] & 3) == 2) // reserved emphasis
        return false;
    const int shift = h.version == 1 ? 0 : (h.version == 2 ? 1 : 2);
    h.sample_rate = kSampleRates[rate_index] >> shift;
    h.length = frame_length(h, bit_rate_kbps(h.version, h.layer, bit_rate_index), (b[2] >> 1) & 1);
    *out = h;
    return true;
}

bool probe_mpeg_audio(std::FILE* file) {
    const long start = skip_id3v2(file);
    MpegFrameHeader first, second;
    if (!header_at(file, start, &first) || !header_at(file, start + first.length, &second))
        return false;
    // A stream never changes version, layer or sample rate between frames;
    // the bit rate may change (VBR), and the LAME info frame is just a frame.
    return first.version == second.version && first.layer == second.layer &&
           first.sample_rate == second.sample_rate;
}
