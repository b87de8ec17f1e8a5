// Tells which of a set of files changed on disk, through inotify on their folders (so a save
// that renames a new file over the old one is seen too), without reading any file. A file is
// reported once its writes have been quiet for a while: a burst of writes reports it once.
#pragma once

#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

class cFileWatch {
public:
    using tClock = std::chrono::steady_clock;

    explicit cFileWatch(std::chrono::milliseconds settle = std::chrono::milliseconds(150));
    ~cFileWatch();
    cFileWatch(const cFileWatch&) = delete;
    cFileWatch& operator=(const cFileWatch&) = delete;

    // False when the file's folder cannot be watched (then its changes go unseen).
    bool watch(const std::string& path);
    // The watched files written since the last call whose last write is `settle` old at
    // `now`, each once, in path order. Writes are stamped when this reads them.
    std::vector<std::string> settled(tClock::time_point now = tClock::now());

private:
    void read_events();

    int fd_ = -1;
    std::chrono::milliseconds settle_;
    std::map<int, std::string> folders_; // watch descriptor -> folder
    std::set<std::string> files_;
    std::map<std::string, tClock::time_point> pending_; // file -> its last write
};
