#include "Mp3Reader.h"

#include <mpg123.h>

#include <cstdint>
#include <memory>

namespace bake {

namespace {
struct HandleDeleter {
    void operator()(mpg123_handle* mh) const {
        mpg123_close(mh);
        mpg123_delete(mh);
    }
};
} // namespace

StereoBuffer read_mp3(const std::string& path, std::string* error) {
    StereoBuffer audio;
    mpg123_init();
    std::unique_ptr<mpg123_handle, HandleDeleter> mh(mpg123_new(nullptr, nullptr));
    if (!mh || mpg123_param(mh.get(), MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0) != 0 ||
        mpg123_format_none(mh.get()) != MPG123_OK ||
        mpg123_format(mh.get(), kSampleRate, MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK ||
        mpg123_open(mh.get(), path.c_str()) != MPG123_OK) {
        if (error)
            *error = "cannot decode " + path;
        return audio;
    }
    int16_t block[8192];
    size_t done = 0;
    int rc = MPG123_OK;
    while (rc == MPG123_OK || rc == MPG123_NEW_FORMAT) {
        rc = mpg123_read(mh.get(), block, sizeof block, &done);
        for (size_t i = 0; i + 1 < done / sizeof(int16_t); i += 2) {
            audio.left.push_back(block[i] / 32768.0f);
            audio.right.push_back(block[i + 1] / 32768.0f);
        }
    }
    if (rc == MPG123_DONE)
        return audio;
    if (error)
        *error = path + ": " + mpg123_plain_strerror(rc);
    return StereoBuffer();
}

} // namespace bake
