#include "platform/cAudioFeed.h"

#include <mpg123.h>

#include <cstring>

namespace {

// Decodes into `out` until it is full or the stream ends; returns the bytes filled.
size_t decode_into(mpg123_handle* decoder, unsigned char* out, size_t len, bool* ended) {
    size_t filled = 0;
    int stalls = 0;
    while (filled < len && !*ended) {
        size_t done = 0;
        const int rc = mpg123_read(decoder, out + filled, len - filled, &done);
        filled += done;
        const bool going = rc == MPG123_OK || rc == MPG123_NEW_FORMAT;
        if (!going || (done == 0 && ++stalls > 8))
            *ended = true;
    }
    return filled - filled % kAudioFrameBytes;
}

} // namespace

void cAudioFeed::play(mpg123_handle_struct* decoder) {
    std::lock_guard<std::mutex> lock(mutex_);
    decoder_ = decoder;
    frame_ = mpg123_tell(decoder);
    ended_ = false;
    flush_ = true;
}

bool cAudioFeed::seek(int64_t frame) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!decoder_)
        return false;
    const off_t at = mpg123_seek(decoder_, static_cast<off_t>(frame), SEEK_SET);
    if (at < 0)
        return false;
    frame_ = at;
    ended_ = false;
    flush_ = true;
    return true;
}

void cAudioFeed::set_paused(bool paused) {
    std::lock_guard<std::mutex> lock(mutex_);
    flush_ = flush_ || paused != paused_;
    paused_ = paused;
}

bool cAudioFeed::paused() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return paused_;
}

void cAudioFeed::stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    decoder_ = nullptr;
}

cFeedChunk cAudioFeed::fill(int16_t* out, int frames) {
    std::lock_guard<std::mutex> lock(mutex_);
    cFeedChunk chunk;
    chunk.flush = flush_;
    chunk.music_frame = frame_;
    flush_ = false;
    const size_t len = static_cast<size_t>(frames) * kAudioFrameBytes;
    std::memset(out, 0, len);
    if (decoder_ && !paused_ && !ended_) {
        auto* bytes = reinterpret_cast<unsigned char*>(out);
        chunk.music_frames =
            static_cast<int>(decode_into(decoder_, bytes, len, &ended_) / kAudioFrameBytes);
        frame_ += chunk.music_frames;
    }
    return chunk;
}
