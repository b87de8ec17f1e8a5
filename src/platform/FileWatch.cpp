#include "platform/FileWatch.h"
#include "platform/PathFunctions.h"

#include <filesystem>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr uint32_t kChanges = IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE;

} // namespace

cFileWatch::cFileWatch(std::chrono::milliseconds settle)
    : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), settle_(settle) {}

cFileWatch::~cFileWatch() {
    if (fd_ >= 0)
        close(fd_);
}

bool cFileWatch::watch(const std::string& path) {
    const std::string file = file_identity(path);
    const std::string folder = std::filesystem::path(file).parent_path().string();
    if (fd_ < 0)
        return false;
    bool watched = false;
    for (const auto& [descriptor, name] : folders_)
        watched = watched || name == folder;
    if (!watched) {
        const int descriptor = inotify_add_watch(fd_, folder.c_str(), kChanges);
        if (descriptor < 0)
            return false;
        folders_[descriptor] = folder;
    }
    files_.insert(file);
    return true;
}

// Each write is stamped with the time it is read, which is at most a frame after it happened.
void cFileWatch::read_events() {
    const tClock::time_point now = tClock::now();
    alignas(inotify_event) char buffer[16384];
    for (ssize_t length; fd_ >= 0 && (length = read(fd_, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            const auto folder = folders_.find(event->wd);
            if (event->len == 0 || folder == folders_.end())
                continue;
            const std::string file = folder->second + "/" + event->name;
            if (files_.count(file))
                pending_[file] = now;
        }
    }
}

std::vector<std::string> cFileWatch::settled(tClock::time_point now) {
    read_events();
    std::vector<std::string> ready;
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (now - it->second >= settle_) {
            ready.push_back(it->first);
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
    return ready;
}
