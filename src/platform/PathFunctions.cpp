#include "platform/PathFunctions.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

thread_local int g_last_error = 0;

bool is_separator(char c) {
    return c == '/' || c == '\\';
}

std::vector<std::string> split_segments(const std::string& path) {
    std::vector<std::string> segments;
    std::string current;
    for (char c : path) {
        if (is_separator(c)) {
            segments.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    segments.push_back(current);
    return segments;
}

} // namespace

void set_last_error(int code) {
    g_last_error = code;
}

int last_error() {
    return g_last_error;
}

std::string format_message(int code) {
    return std::strerror(code);
}

std::string path_canonicalize(const std::string& path) {
    const bool absolute = !path.empty() && is_separator(path[0]);
    const bool trailing = !path.empty() && is_separator(path.back());
    std::vector<std::string> kept;
    for (const std::string& segment : split_segments(path)) {
        if (segment.empty() || segment == ".")
            continue;
        if (segment == ".." && !kept.empty() && kept.back() != "..") {
            kept.pop_back();
        } else if (segment == ".." && absolute) {
            continue; // nothing lies above the root
        } else {
            kept.push_back(segment);
        }
    }
    std::string result = absolute ? "/" : "";
    for (size_t i = 0; i < kept.size(); ++i)
        result += (i ? "/" : "") + kept[i];
    if (trailing && !kept.empty())
        result += "/";
    if (result.empty())
        result = ".";
    if (result.size() >= kMaxPath)
        set_last_error(ENAMETOOLONG);
    return result;
}

std::string path_strip_path(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool path_file_exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

bool path_file_readable(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), R_OK) == 0;
}

std::string full_path_name(const std::string& path) {
    if (!path.empty() && is_separator(path[0]))
        return path_canonicalize(path);
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) {
        set_last_error(errno);
        return path;
    }
    return path_canonicalize(std::string(cwd) + "/" + path);
}

std::string file_identity(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::weakly_canonical(path, error);
    return error ? path : full.string();
}

std::string executable_path() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

bool change_directory(const std::string& path) {
    return chdir(path.c_str()) == 0;
}
