#include "Mp3Writer.h"

#include <lame/lame.h>

#include <cstdio>
#include <memory>

namespace bake {

namespace {

struct LameDeleter {
    void operator()(lame_global_flags* gf) const { lame_close(gf); }
};
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

bool fail(std::string* error, const std::string& text) {
    if (error)
        *error = text;
    return false;
}

} // namespace

bool write_mp3(const std::string& path, const std::vector<int16_t>& interleaved,
               const Mp3Settings& settings, std::string* error) {
    std::unique_ptr<lame_global_flags, LameDeleter> gf(lame_init());
    if (!gf)
        return fail(error, "lame_init failed");
    lame_set_in_samplerate(gf.get(), settings.sample_rate);
    lame_set_out_samplerate(gf.get(), settings.sample_rate);
    lame_set_num_channels(gf.get(), 2);
    lame_set_mode(gf.get(), JOINT_STEREO);
    lame_set_brate(gf.get(), settings.kbps);
    lame_set_quality(gf.get(), settings.quality);
    lame_set_bWriteVbrTag(gf.get(), 1); // the info frame carries delay and padding
    if (lame_init_params(gf.get()) < 0)
        return fail(error, "lame_init_params refused the settings");

    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb+"));
    if (!file)
        return fail(error, "cannot write " + path);

    const int frames = static_cast<int>(interleaved.size() / 2);
    const int chunk = 8192;
    std::vector<unsigned char> out(static_cast<size_t>(1.25 * chunk + 7200));
    for (int start = 0; start < frames; start += chunk) {
        const int n = std::min(chunk, frames - start);
        // LAME's interleaved entry point takes a non-const pointer but only reads.
        short* pcm = const_cast<short*>(interleaved.data() + 2 * start);
        const int bytes = lame_encode_buffer_interleaved(gf.get(), pcm, n, out.data(),
                                                         static_cast<int>(out.size()));
        if (bytes < 0)
            return fail(error, "lame_encode_buffer_interleaved failed");
        std::fwrite(out.data(), 1, static_cast<size_t>(bytes), file.get());
    }
    const int tail = lame_encode_flush(gf.get(), out.data(), static_cast<int>(out.size()));
    if (tail < 0)
        return fail(error, "lame_encode_flush failed");
    std::fwrite(out.data(), 1, static_cast<size_t>(tail), file.get());
    lame_mp3_tags_fid(gf.get(), file.get()); // rewrites the info frame at the start
    if (std::ferror(file.get()))
        return fail(error, "write error on " + path);
    return true;
}

} // namespace bake
