// The demo's music: one MP3 stream through the sound library layer, played
// once from the start. Any failure to start or load is fatal: it prints the
// library's error text and ends the process with exit code 1.
#pragma once

#include "platform/FSound.h"

#include <cstdint>
#include <string>
#include <utility>

// The soundtrack, relative to bin/ where the demo runs.
extern const char* const kMusicFile;

class cSoundModule_fmod {
public:
    explicit cSoundModule_fmod(std::string file = kMusicFile);

    // Checks the library version, opens the output device and says which it is.
    void start();
    void load(); // opens the music stream
    void play();
    // The music file read again (after it was rewritten), playing from `ms` where the old one
    // played. A file that cannot be played keeps the old stream, with a warning; false then.
    bool reopen(int ms);
    // The music from `ms` on (heard after what the device has buffered); nothing before play.
    void set_time(int ms);
    void set_paused(bool paused);
    void close();

    bool is_playing() const { return playing; }
    // Whether the output reports when what it plays is heard (PulseAudio, ALSA; not SDL).
    bool reports_delay() const;
    // The music heard at perf counter reading `counter`, ms; false where that is not known
    // (see FSOUND_Stream_GetHeardMs).
    bool heard_ms(uint64_t counter, double* ms) const;
    // The output's delay from hand-over to hearing at its last report; -1 where not known.
    int delay_ms() const;
    // The music's length as the library reported it on load; 0 before.
    int length_ms() const { return length_ms_; }
    const std::string& file() const { return file_; }
    static const char* error_string(int code);

private:
    FSOUND_STREAM* stream = nullptr;
    int channel = -1;
    bool playing = false;
    int length_ms_ = 0;
    std::string file_;
};
