#include "support/TestAudio.h"

#include "Mp3Reader.h"
#include "Mp3Writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sound-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        dir_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (!dir_.empty())
        std::filesystem::remove_all(dir_, ignored);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
    const char* old = std::getenv(name);
    had_old_ = old != nullptr;
    old_ = old ? old : "";
    setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (had_old_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

namespace {

std::vector<int16_t> make_test_signal(int frames) {
    const double pi = 3.14159265358979323846;
    std::vector<int16_t> pcm(2 * static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kTestRate;
        const double swell = 0.2 + 0.6 * std::fabs(std::sin(pi * 2.5 * t));
        pcm[2 * i] = static_cast<int16_t>(12000 * swell * std::sin(2 * pi * 440 * t));
        pcm[2 * i + 1] = static_cast<int16_t>(9000 * (1 - swell) * std::sin(2 * pi * 697 * t));
    }
    return pcm;
}

} // namespace

std::string write_test_mp3(const TempDir& dir, const std::string& name, int frames) {
    const std::string path = dir.path(name);
    std::string error;
    EXPECT_TRUE(bake::write_mp3(path, make_test_signal(frames), bake::Mp3Settings{}, &error))
        << error;
    return path;
}

void write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<int16_t> decode_mp3(const std::string& path) {
    static_assert(kSampleRate == kTestRate);
    const StereoBuffer audio = bake::read_mp3(path, nullptr);
    std::vector<int16_t> pcm; // the reader's floats are the samples / 32768, exactly
    for (size_t i = 0; i < audio.left.size(); ++i)
        pcm.insert(pcm.end(), {static_cast<int16_t>(audio.left[i] * 32768.0f),
                               static_cast<int16_t>(audio.right[i] * 32768.0f)});
    return pcm;
}
