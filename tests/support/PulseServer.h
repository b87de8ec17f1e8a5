// A private PulseAudio server for the sync tests: user mode, its own folder and socket, one
// null sink whose monitor is what a listener would hear, its log kept for underruns. Stopped
// (and its folder removed) with the object.
#pragma once

#include "support/TestAudio.h"

#include <string>

class cPulseServer {
public:
    cPulseServer();
    ~cPulseServer();
    cPulseServer(const cPulseServer&) = delete;
    cPulseServer& operator=(const cPulseServer&) = delete;

    // Whether the server answers on its socket.
    bool running() const { return running_; }
    // The address clients are given in PULSE_SERVER.
    std::string address() const { return "unix:" + dir_.path("native"); }
    // The monitor of the null sink everything plays to.
    static constexpr const char* kMonitor = "listener.monitor";
    // How many underruns of playback streams the server logged so far.
    int underruns() const;

private:
    TempDir dir_;
    int pid_ = -1;
    bool running_ = false;
};
