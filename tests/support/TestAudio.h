// Test audio for the sound layer: a scratch folder, a signal whose samples
// all differ from their neighbours, its MP3 file, and a reference decode made
// with the same gapless settings the layer uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kTestRate = 44100;

// A fresh folder under the system's temp folder, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

// Sets an environment variable for the object's lifetime, then restores it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::string old_;
    bool had_old_;
};

// Writes `frames` of interleaved stereo as a LAME-encoded MP3, different tones left and right
// under a swelling envelope so a dropped, repeated or swapped sample shows; fails the test on
// error.
std::string write_test_mp3(const TempDir& dir, const std::string& name, int frames);

void write_bytes(const std::string& path, const std::string& bytes);
std::string read_bytes(const std::string& path);

// Gapless decode to interleaved 16-bit stereo at kTestRate; empty on failure.
std::vector<int16_t> decode_mp3(const std::string& path);
