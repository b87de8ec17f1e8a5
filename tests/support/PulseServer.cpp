#include "support/PulseServer.h"

#include <pulse/simple.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Whether a client can connect: a record stream opened and closed at once.
bool answers(const std::string& address) {
    const pa_sample_spec format{PA_SAMPLE_S16NE, 44100, 2};
    pa_simple* probe = pa_simple_new(address.c_str(), "probe", PA_STREAM_RECORD, nullptr, "probe",
                                     &format, nullptr, nullptr, nullptr);
    if (probe)
        pa_simple_free(probe);
    return probe != nullptr;
}

} // namespace

cPulseServer::cPulseServer() {
    const std::string home = dir_.path("");
    const std::string sink = "module-null-sink sink_name=listener rate=44100";
    const std::string socket =
        "module-native-protocol-unix auth-anonymous=1 socket=" + dir_.path("native");
    const std::string log = "--log-target=file:" + dir_.path("server.log");
    pid_ = fork();
    if (pid_ == 0) {
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
               "--use-pid-file=no", "--system=false", "--high-priority=yes", "--realtime=yes",
               "--log-level=debug", "--log-time=1", log.c_str(), "-L", sink.c_str(), "-L",
               socket.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 100 && !running_; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        running_ = answers(address());
    }
}

cPulseServer::~cPulseServer() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

// The server logs the end of each underrun of a playback stream, and also as the stream gets
// its first data, which is not an underrun a listener hears: then sometimes twice in the same
// instant, when two writes arrive before the sink plays. Each line starts with its time in
// seconds, "(  76.504|   0.000)".
int cPulseServer::underruns() const {
    constexpr double kFirstDataSeconds = 0.05;
    std::ifstream file(dir_.path("server.log"));
    int count = 0;
    bool new_stream = false;
    double first_data = -1;
    for (std::string line; std::getline(file, line);) {
        const double seconds = std::atof(line.c_str() + (line.empty() ? 0 : 1));
        if (line.find("Final latency") != std::string::npos &&
            line.find(" + 2*") != std::string::npos) { // a new playback stream
            new_stream = true;
        } else if (line.find("Requesting rewind due to end of underrun") != std::string::npos) {
            if (new_stream)
                first_data = seconds, new_stream = false;
            else if (first_data < 0 || seconds - first_data > kFirstDataSeconds)
                ++count;
        }
    }
    return count;
}
