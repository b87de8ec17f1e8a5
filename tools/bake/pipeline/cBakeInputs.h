// What each module folder's data is made from, as the build lists it: the code
// libraries the folder's modules are linked from. A folder's key is the digest of
// their contents, so a module bakes again exactly when code it runs has changed.
#pragma once

#include <map>
#include <string>
#include <vector>

class cBakeInputs {
public:
    cBakeInputs() = default; // no list: no keys, every module bakes
    // Reads lines of "<folder> <library file> <library file> ..."; throws
    // std::runtime_error when the file cannot be read.
    static cBakeInputs read(const std::string& path);

    // The folder's key; "" without a list. Throws std::runtime_error when a list does
    // not name the folder (a module folder the build does not know).
    std::string key(const std::string& folder);

private:
    bool listed_ = false;
    std::map<std::string, std::vector<std::string>> libraries_;
    std::map<std::string, std::string> digests_; // library file -> SHA-256, made once
};
