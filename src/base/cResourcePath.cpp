#include "cResourcePath.h"

#include "Messages.h"
#include "platform/PathFunctions.h"

namespace {

void report(const char* operation, const char* what, const std::string& name) {
    msg_err() << "fatal - oops in " << operation << " on " << what << " \"" << name
              << "\": " << format_message(last_error()) << std::endl;
}

bool ends_in_separator(const std::string& path) {
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

} // namespace

void cResourcePath::push_searchpath(const std::string& path) {
    set_last_error(0);
    std::string canonical = path_canonicalize(path);
    if (last_error() != 0)
        report("cResourcePath::push_searchpath", "path", path);
    if (!ends_in_separator(canonical))
        canonical += "/";
    paths_.push_back(canonical);
}

std::string cResourcePath::get_fullpath(const std::string& name) {
    set_last_error(0);
    if (path_file_readable(name)) {
        const std::string full = full_path_name(name);
        if (last_error() != 0)
            report("cResourcePath::get_fullpath", "file", name);
        return full;
    }
    const std::string file = path_strip_path(name);
    for (const std::string& dir : file.empty() ? std::vector<std::string>() : paths_) {
        const std::string candidate = dir + file;
        if (path_file_exists(candidate))
            return candidate;
    }
    set_last_error(0);
    return "";
}
