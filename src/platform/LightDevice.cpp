#include "platform/LightDevice.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kLedClass = "/sys/class/leds";
constexpr int kMaxLevel = 7; // request byte 7: brightness step 0..7

std::string g_override;
int g_max_brightness = 0; // of the LED device opened last; 0 for a raw file

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

} // namespace

void set_light_device_path(const std::string& path) { g_override = path; }

int light_device_open() {
    const std::string path = g_override.empty() ? find_backlight() : g_override;
    if (path.empty())
        return -1;
    if (!is_directory(path)) {
        g_max_brightness = 0;
        return open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    }
    g_max_brightness = read_max_brightness(path);
    return open((path + "/brightness").c_str(), O_WRONLY | O_CLOEXEC);
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

void light_device_close(int device) { close(device); }
