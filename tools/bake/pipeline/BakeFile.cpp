#include "BakeFile.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

std::vector<std::string>& reported() {
    static std::vector<std::string> files;
    return files;
}

} // namespace

cBakeFile::cBakeFile(const std::string& data_dir, const std::string& relative_path)
    : relative_(relative_path), path_((std::filesystem::path(data_dir) / relative_path).string()),
      started_(std::chrono::steady_clock::now()) {
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
}

void cBakeFile::report() const {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    const double bytes = double(std::filesystem::file_size(path_));
    char size[32];
    if (bytes >= 1e6)
        std::snprintf(size, sizeof size, "%.1f MB", bytes / 1e6);
    else
        std::snprintf(size, sizeof size, "%.1f kB", bytes / 1e3);
    char line[512];
    std::snprintf(line, sizeof line, "# bake: %s (%s, %.1f s)", relative_.c_str(), size, seconds);
    std::cout << line << std::endl;
    reported().push_back(relative_);
}

std::vector<std::string> cBakeFile::take_reported() {
    std::vector<std::string> files;
    files.swap(reported());
    return files;
}
