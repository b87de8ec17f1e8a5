// One data file a module writes: creates its directory up front, times the
// work, and prints the progress line once the file is on disk, e.g.
// "# bake: music/pulse55.mp3 (1.2 MB, 3.4 s)".
#pragma once

#include <chrono>
#include <string>

class cBakeFile {
public:
    cBakeFile(const std::string& data_dir, const std::string& relative_path);
    const std::string& path() const { return path_; }
    const std::string& relative_path() const { return relative_; }
    void report() const;

private:
    std::string relative_;
    std::string path_;
    std::chrono::steady_clock::time_point started_;
};
