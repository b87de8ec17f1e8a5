// One data file a module writes: creates its directory up front, times the work, prints
// "# bake: music/pulse55.mp3 (1.2 MB, 3.4 s)" once the file is on disk, and keeps its
// path in the list the pipeline takes after each module for the manifest.
#pragma once

#include <chrono>
#include <string>
#include <vector>

class cBakeFile {
public:
    cBakeFile(const std::string& data_dir, const std::string& relative_path);
    const std::string& path() const { return path_; }
    const std::string& relative_path() const { return relative_; }
    void report() const;

    // The relative paths reported since the last call, in order; the list empties.
    static std::vector<std::string> take_reported();

private:
    std::string relative_;
    std::string path_;
    std::chrono::steady_clock::time_point started_;
};
