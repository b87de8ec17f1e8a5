#include "support/XDriver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <unistd.h>

namespace {

// Other programs' windows come and go while the tree is walked: a window gone
// between listing and asking is skipped instead of ending the test process,
// which is what Xlib's own handler does.
int ignore_vanished_windows(Display*, XErrorEvent*) {
    return 0;
}

Window search(Display* display, Window window, const std::string& title) {
    char* name = nullptr;
    const bool titled = XFetchName(display, window, &name) && name && title == name;
    if (name)
        XFree(name);
    XWindowAttributes attributes;
    if (titled && XGetWindowAttributes(display, window, &attributes) &&
        attributes.map_state == IsViewable)
        return window;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = search(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

} // namespace

cXDriver::cXDriver() : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(ignore_vanished_windows);
}

cXDriver::~cXDriver() {
    if (display_)
        XCloseDisplay(display_);
}

bool cXDriver::find_window(const std::string& title, double seconds) {
    if (!display_)
        return false;
    using Clock = std::chrono::steady_clock;
    for (const auto start = Clock::now();
         std::chrono::duration<double>(Clock::now() - start).count() < seconds; usleep(50000)) {
        window_ = search(display_, DefaultRootWindow(display_), title);
        if (window_)
            return true;
    }
    return false;
}

void cXDriver::tap_key(const std::string& keysym_name) {
    if (!window_)
        return;
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym_name.c_str()));
    // Without a window manager the keyboard follows the pointer: put it on the window.
    XWarpPointer(display_, None, window_, 0, 0, 0, 0, 100, 100);
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, 0);
    XTestFakeKeyEvent(display_, code, False, 20);
    XFlush(display_);
}

void cXDriver::close_window() {
    if (!window_)
        return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window_, False, NoEventMask, &event);
    XFlush(display_);
}
