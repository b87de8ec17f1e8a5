// Turns a data file's name into a path that exists: the name itself when it
// can be opened from the working directory, else its file-name part in the
// first search directory that holds it. Directories are only ever appended.
#pragma once

#include "Singleton.h"

#include <string>
#include <vector>

class cResourcePath {
public:
    // Appends a directory (canonical, ending in "/") to the search list.
    void push_searchpath(const std::string& path);
    // An absolute or search-list path to an existing file; "" if none.
    std::string get_fullpath(const std::string& name);

    const std::vector<std::string>& searchpaths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

inline cResourcePath& resource_path() {
    return cSingleton<cResourcePath>::get();
}
