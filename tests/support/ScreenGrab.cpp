#include "support/ScreenGrab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// The position of a channel's lowest bit in a pixel mask, e.g. 16 for 0xff0000.
int shift_of(unsigned long mask) {
    return mask ? __builtin_ctzl(mask) : 0;
}

} // namespace

sScreenGrab grab_screen(const char* name) {
    sScreenGrab grab;
    Display* display = XOpenDisplay(name);
    if (!display)
        return grab;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (image) {
        grab.width = attributes.width;
        grab.height = attributes.height;
        grab.rgb.reserve(size_t(grab.width) * grab.height * 3);
        const int r = shift_of(image->red_mask), g = shift_of(image->green_mask),
                  b = shift_of(image->blue_mask);
        for (int y = 0; y < grab.height; ++y)
            for (int x = 0; x < grab.width; ++x) {
                const unsigned long p = XGetPixel(image, x, y);
                grab.rgb.insert(grab.rgb.end(),
                                {uint8_t(p >> r), uint8_t(p >> g), uint8_t(p >> b)});
            }
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return grab;
}
