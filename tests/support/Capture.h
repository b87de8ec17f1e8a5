// Captures the system's message streams for the length of a scope, so a
// test can compare the exact lines a piece of code printed.
#pragma once

#include "base/Messages.h"

#include <sstream>
#include <string>

class cCapture {
public:
    cCapture() { redirect_messages(&out_, &err_); }
    ~cCapture() { redirect_messages(nullptr, nullptr); }
    cCapture(const cCapture&) = delete;
    cCapture& operator=(const cCapture&) = delete;

    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }

private:
    std::ostringstream out_;
    std::ostringstream err_;
};
