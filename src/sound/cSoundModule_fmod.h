// The demo's music: one MP3 stream through the sound library layer, played
// once from the start. Any failure to start or load is fatal: it prints the
// library's error text and ends the process with exit code 1.
#pragma once

#include "platform/FSound.h"

#include <string>
#include <utility>

// The soundtrack, relative to bin/ where the demo runs.
extern const char* const kMusicFile;

class cSoundModule_fmod {
public:
    explicit cSoundModule_fmod(std::string file = kMusicFile);

    void start(); // checks the library version and opens the output device
    void load();  // opens the music stream
    void play();
    // The music from `ms` on (heard after what the device has buffered); nothing before play.
    void set_time(int ms);
    void set_paused(bool paused);
    void close();

    bool is_playing() const { return playing; }
    // The music's length as the library reported it on load; 0 before.
    int length_ms() const { return length_ms_; }
    static const char* error_string(int code);

private:
    FSOUND_STREAM* stream = nullptr;
    int channel = -1;
    bool playing = false;
    int length_ms_ = 0;
    std::string file_;
};
