// A private virtual X screen of a chosen size, for running the demo the way a
// desktop of that size shows it; the test display stays 1024 x 768. The
// server ends with the object.
#pragma once

#include <string>

class cXvfbScreen {
public:
    cXvfbScreen(int width, int height);
    ~cXvfbScreen();
    cXvfbScreen(const cXvfbScreen&) = delete;
    cXvfbScreen& operator=(const cXvfbScreen&) = delete;

    // ":N", or empty when the server could not start.
    const std::string& name() const { return name_; }
    // "DISPLAY=:N", for a child process's environment.
    std::string display_env() const { return "DISPLAY=" + name_; }

private:
    int pid_ = -1;
    std::string name_;
};
