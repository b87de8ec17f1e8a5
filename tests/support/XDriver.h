// Plays the user at the X display the tests run on: finds a program's window
// by its title, presses keys through the XTEST extension and asks the window
// to close as a window manager's close button would.
#pragma once

#include <string>

class cXDriver {
public:
    cXDriver();
    ~cXDriver();
    cXDriver(const cXDriver&) = delete;
    cXDriver& operator=(const cXDriver&) = delete;

    bool connected() const { return display_ != nullptr; }
    // Waits up to `seconds` for a viewable window with this title.
    bool find_window(const std::string& title, double seconds);
    // Presses and releases a key given by its X key name ("Escape", "q").
    void tap_key(const std::string& keysym_name);
    // Sends the window manager's delete-window request.
    void close_window();

private:
    struct _XDisplay* display_ = nullptr;
    unsigned long window_ = 0;
};
