#include "cOutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

cOutputFile::cOutputFile(std::string path)
    : path_(std::move(path)), temp_(path_ + ".part" + std::to_string(getpid())) {}

void cOutputFile::check_writable() const {
    std::FILE* f = std::fopen(temp_.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot write " + path_ + ": " + std::strerror(errno));
    std::fclose(f);
    std::remove(temp_.c_str());
}

void cOutputFile::commit() {
    if (std::rename(temp_.c_str(), path_.c_str()) != 0)
        throw std::runtime_error("cannot write " + path_ + ": " + std::strerror(errno));
}

void cOutputFile::discard() {
    std::remove(temp_.c_str());
}
