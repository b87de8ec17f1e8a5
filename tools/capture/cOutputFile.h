// One output of the capture run, written under a temporary name beside the
// requested one and renamed over it only when complete, so the requested
// name never holds a half-written file. Dropping it uncommitted removes it.
#pragma once

#include <string>

class cOutputFile {
public:
    explicit cOutputFile(std::string path);
    ~cOutputFile() { discard(); }
    cOutputFile(const cOutputFile&) = delete;
    cOutputFile& operator=(const cOutputFile&) = delete;

    const std::string& path() const { return path_; }
    // Where the writer puts the bytes until commit.
    const std::string& temp_path() const { return temp_; }
    // Throws unless a file can be created in the requested place.
    void check_writable() const;
    // Renames the finished temporary file to the requested name.
    void commit();
    void discard();

private:
    std::string path_;
    std::string temp_;
};
