// The sound library calls the demo was written against, on PulseAudio, ALSA or SDL audio with
// an MP3 decoder behind it. One device, one stream channel: a played stream runs once from its
// first sample, then silence; only Close frees streams.
#pragma once

#include <cstdint>

struct FSOUND_STREAM; // opaque; owned by the layer until FSOUND_Close

enum FSOUND_ERRORS {
    FMOD_ERR_NONE,             // no errors
    FMOD_ERR_BUSY,             // called after FSOUND_Init, which it must come before
    FMOD_ERR_UNINITIALIZED,    // FSOUND_Init was not called
    FMOD_ERR_INIT,             // error initializing the output device
    FMOD_ERR_ALLOCATED,        // the output device is already in use
    FMOD_ERR_PLAY,             // playing the sound failed
    FMOD_ERR_OUTPUT_FORMAT,    // the device lacks 16-bit stereo output
    FMOD_ERR_COOPERATIVELEVEL, // cooperative level for hardware
    FMOD_ERR_CREATEBUFFER,     // creating a hardware sound buffer
    FMOD_ERR_FILE_NOTFOUND,    // file not found
    FMOD_ERR_FILE_FORMAT,      // unknown file format
    FMOD_ERR_FILE_BAD,         // error loading file
    FMOD_ERR_MEMORY,           // not enough memory
    FMOD_ERR_VERSION,          // unsupported file format version
    FMOD_ERR_INVALID_PARAM,    // invalid parameter
    FMOD_ERR_NO_EAX,           // EAX command on a channel without EAX
    FMOD_ERR_CHANNEL_ALLOC,    // failed to allocate a new channel
    FMOD_ERR_RECORD,           // recording not supported
    FMOD_ERR_MEDIAPLAYER,      // media player codec missing
};

float FSOUND_GetVersion();
// Output buffer length in ms; only before FSOUND_Init.
signed char FSOUND_SetBufferSize(int len_ms);
// Opens the output device, silent until a stream plays; true on success. The device is the
// first that opens of a PulseAudio server, ALSA's "default" and SDL's choice; DEMO_SOUND
// ("pulse", "alsa", "sdl") names one, and a driver named in SDL_AUDIODRIVER means SDL.
signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);
// Stored only: streams decode on demand in the device's callback.
signed char FSOUND_Stream_SetBufferSize(int ms);
// Opens an MPEG audio file; `mode`, `offset` and `length` are ignored.
FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int mode, int offset, int length);
int FSOUND_Stream_GetLengthMs(FSOUND_STREAM* stream);
// `channel` is -1 (any free) or 0; returns the channel, -1 on failure.
int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream);
// Moves a stream to `ms` from its start, sample-exact; a stream that had ended plays on from
// there. What the device has buffered is dropped where the output can (not through SDL).
signed char FSOUND_Stream_SetTime(FSOUND_STREAM* stream, int ms);
// Pauses (TRUE) or resumes the stream channel (0).
signed char FSOUND_SetPaused(int channel, signed char paused);
// Beyond the original library: where the sound system says the music is heard.
// The stream's position heard at perf counter reading `counter`, in ms (negative before its
// first sample is heard); FALSE where the output reports no delay (SDL), until its first report
// after a play, seek or pause, while paused and once the stream has ended.
signed char FSOUND_Stream_GetHeardMs(FSOUND_STREAM* stream, uint64_t counter, double* ms);
// Whether the open output reports the sound system's delay at all.
signed char FSOUND_ReportsDelay();
// The delay from hand-over to hearing at the output's last report, ms; -1 before it or where
// the output reports none.
int FSOUND_GetOutputDelayMs();
// The open output in words ("PulseAudio", "ALSA \"default\"", "SDL's \"dummy\" driver").
const char* FSOUND_GetOutputName();
// Closes the device, then frees every stream; harmless when nothing is open.
void FSOUND_Close();
// Outcome of the most recent call that can fail.
int FSOUND_GetError();
