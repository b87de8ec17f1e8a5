// Where the sound layer's music goes: an open device that, once started, pulls chunks from the
// feed. Outputs that can ask the sound system for its delay tell the heard position what they
// hand over and when it will be heard; the others leave it without reports.
#pragma once

#include <string>

class iAudioOutput {
public:
    virtual ~iAudioOutput() = default;
    // Begins pulling from the feed; before it the device stays silent.
    virtual void start() = 0;
    // The output in words, for the start-up line: "PulseAudio", "ALSA \"default\"", ...
    virtual std::string name() const = 0;
    // Whether the output reports the sound system's delay to the heard position.
    virtual bool reports_delay() const = 0;
};
