#include "platform/LightDevice.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kLedClass = "/sys/class/leds";
constexpr int kMaxLevel = 7; // request byte 7: brightness step 0..7
// Signals that end the process without exit handlers; one a program has
// taken over (SDL turns an interrupt into a quit event) is left to it.
const int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM, SIGPIPE,
                              SIGABRT, SIGSEGV, SIGBUS,  SIGFPE,  SIGILL};

std::string g_override;
int g_max_brightness = 0; // of the LED device opened last; 0 for a raw file

// The user's brightness, kept in plain buffers so a signal handler can write it.
struct SavedBrightness {
    char file[4096];
    char value[32];
    size_t length;
    volatile sig_atomic_t valid;
};
SavedBrightness g_saved{};

bool is_directory(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The first keyboard backlight whose brightness this process may write.
std::string find_backlight() {
    DIR* dir = opendir(kLedClass);
    if (!dir)
        return "";
    std::string found;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string path = std::string(kLedClass) + "/" + name;
        if (name.find("kbd_backlight") != std::string::npos &&
            access((path + "/brightness").c_str(), W_OK) == 0) {
            found = path;
            break;
        }
    }
    closedir(dir);
    return found;
}

int read_max_brightness(const std::string& led) {
    int value = 0;
    std::ifstream(led + "/max_brightness") >> value;
    return value;
}

void restore_and_end(int signal) {
    light_device_restore();
    raise(signal); // the handler was reset: the signal now ends the process
}

void restore_on_ending_signals() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (int signal : kEndingSignals) {
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler != SIG_DFL)
            continue;
        struct sigaction action {};
        action.sa_handler = restore_and_end;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

void save_brightness(const std::string& led) {
    if (g_saved.valid)
        return;
    const std::string file = led + "/brightness";
    std::string value;
    if (!(std::ifstream(file) >> value) || file.size() >= sizeof g_saved.file ||
        value.size() >= sizeof g_saved.value)
        return;
    std::memcpy(g_saved.file, file.c_str(), file.size() + 1);
    std::memcpy(g_saved.value, value.data(), value.size());
    g_saved.length = value.size();
    g_saved.valid = 1;
    restore_on_ending_signals();
}

} // namespace

void set_light_device_path(const std::string& path) {
    g_override = path;
    g_saved.valid = 0;
}

int light_device_open() {
    const std::string path = g_override.empty() ? find_backlight() : g_override;
    if (path.empty())
        return -1;
    if (!is_directory(path)) {
        g_max_brightness = 0;
        return open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    }
    save_brightness(path);
    g_max_brightness = read_max_brightness(path);
    return open((path + "/brightness").c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
}

bool light_device_control(int device, const tLightRequest& request, int* error) {
    errno = 0;
    std::string bytes;
    if (g_max_brightness > 0)
        bytes = std::to_string((request[7] * g_max_brightness + kMaxLevel / 2) / kMaxLevel);
    else
        bytes.assign(request.begin(), request.end());
    if (write(device, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()))
        return true;
    *error = errno != 0 ? errno : EIO;
    return false;
}

void light_device_close(int device) {
    close(device);
}

// Only calls that are safe inside a signal handler.
void light_device_restore() {
    if (!g_saved.valid)
        return;
    g_saved.valid = 0;
    const int fd = open(g_saved.file, O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = write(fd, g_saved.value, g_saved.length);
    close(fd);
}
