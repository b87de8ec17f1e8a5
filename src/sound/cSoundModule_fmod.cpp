#include "cSoundModule_fmod.h"

#include "base/Messages.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

const char* const kMusicFile = "../data/music/pulse55.mp3";

namespace {

constexpr float kLibraryVersion = 3.74f;
constexpr int kMixRate = 44100;
constexpr int kSoftwareChannels = 2;
constexpr unsigned int kInitFlags = 0x00080002;
constexpr unsigned int kStreamMode = 0x00020001;
constexpr int kOutputBufferMs = 200;
constexpr int kStreamBufferMs = 10000;

const char* const kErrorTexts[] = {
    "No errors",
    "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
    "This command failed because FSOUND_Init was not called",
    "Error initializing output device.",
    "The output device is already in use and cannot be reused.",
    "Playing the sound failed.",
    "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
    "Error setting cooperative level for hardware.",
    "Error creating hardware sound buffer.",
    "File not found",
    "Unknown file format",
    "Error loading file",
    "Not enough memory ",
    "The version number of this file format is not supported",
    "An invalid parameter was passed to this function",
    "Tried to use an EAX command on a non EAX enabled channel or output.",
    "Failed to allocate a new channel",
    "Recording not supported on this device",
    "Required Mediaplayer codec is not installed",
};

} // namespace

cSoundModule_fmod::cSoundModule_fmod(std::string file) : file_(std::move(file)) {}

const char* cSoundModule_fmod::error_string(int code) {
    const int count = static_cast<int>(sizeof kErrorTexts / sizeof kErrorTexts[0]);
    return code >= 0 && code < count ? kErrorTexts[code] : "Unknown error";
}

void cSoundModule_fmod::start() {
    if (FSOUND_GetVersion() < kLibraryVersion) {
        msg_err() << "Error : You are using the wrong DLL version! You should be using FMOD "
                  << kLibraryVersion << std::endl;
        std::exit(1);
    }
    FSOUND_SetBufferSize(kOutputBufferMs);
    if (!FSOUND_Init(kMixRate, kSoftwareChannels, kInitFlags)) {
        msg_err() << error_string(FSOUND_GetError()) << std::flush; // no line end
        std::exit(1);
    }
    FSOUND_Stream_SetBufferSize(kStreamBufferMs);
    msg_out() << "# sound: " << FSOUND_GetOutputName()
              << (FSOUND_ReportsDelay() ? " (reports when the music is heard)"
                                        : " (reports no delay)")
              << std::endl;
}

void cSoundModule_fmod::load() {
    stream = FSOUND_Stream_Open(file_.c_str(), kStreamMode, 0, 0);
    if (!stream) {
        msg_err() << "## ERROR: " << error_string(FSOUND_GetError()) << std::endl;
        std::exit(1);
    }
    length_ms_ = FSOUND_Stream_GetLengthMs(stream);
    msg_out() << "# fmod loaded stream \"" << file_ << "\" [length: " << length_ms_ << "ms]"
              << std::endl;
}

bool cSoundModule_fmod::reopen(int ms) {
    FSOUND_STREAM* fresh = FSOUND_Stream_Open(file_.c_str(), kStreamMode, 0, 0);
    if (!fresh) {
        msg_err() << "# warning, \"" << file_ << "\" cannot be played ("
                  << error_string(FSOUND_GetError()) << "): the music plays on unchanged"
                  << std::endl;
        return false;
    }
    length_ms_ = FSOUND_Stream_GetLengthMs(fresh);
    FSOUND_Stream_SetTime(fresh, std::clamp(ms, 0, std::max(length_ms_ - 1, 0)));
    if (playing)
        channel = FSOUND_Stream_Play(-1, fresh); // the old stream goes once the new one plays
    stream = fresh;
    return true;
}

void cSoundModule_fmod::play() {
    channel = FSOUND_Stream_Play(-1, stream);
    msg_out() << "# fmod starting playback..." << std::endl;
    playing = true;
}

void cSoundModule_fmod::set_time(int ms) {
    if (playing && stream)
        FSOUND_Stream_SetTime(stream, ms);
}

void cSoundModule_fmod::set_paused(bool paused) {
    if (playing && channel >= 0)
        FSOUND_SetPaused(channel, paused ? 1 : 0);
}

bool cSoundModule_fmod::reports_delay() const {
    return FSOUND_ReportsDelay() != 0;
}

bool cSoundModule_fmod::heard_ms(uint64_t counter, double* ms) const {
    return playing && stream && FSOUND_Stream_GetHeardMs(stream, counter, ms);
}

int cSoundModule_fmod::delay_ms() const {
    return FSOUND_GetOutputDelayMs();
}

void cSoundModule_fmod::close() {
    FSOUND_Close();
    stream = nullptr;
    playing = false;
}
