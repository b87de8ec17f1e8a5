#include "platform/X11Dialog.h"

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cctype>

namespace {

constexpr int kPad = 16;
constexpr int kButtonGap = 10;
constexpr int kMinButtonWidth = 88;

struct Layout {
    std::vector<std::string> lines;
    int line_height = 0;
    int width = 0;
    int height = 0;
    int button_top = 0;
    int button_height = 0;
    std::vector<XRectangle> buttons;
};

struct Dialog {
    Display* display = nullptr;
    Window window = 0;
    XftFont* font = nullptr;
    XftDraw* draw = nullptr;
    XftColor ink{}, face{}, edge{}, back{};
    Atom delete_window = 0;
    Layout layout;
};

int ignore_x_errors(Display*, XErrorEvent*) {
    return 0;
}

int text_width(const Dialog& d, const std::string& text) {
    XGlyphInfo extents;
    XftTextExtentsUtf8(d.display, d.font, reinterpret_cast<const FcChar8*>(text.data()),
                       static_cast<int>(text.size()), &extents);
    return extents.xOff;
}

void lay_out(Dialog& d, const std::string& text, const std::vector<sDialogButton>& buttons) {
    Layout& l = d.layout;
    for (size_t start = 0, end; start <= text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        l.lines.push_back(text.substr(start, end - start));
    }
    l.line_height = d.font->ascent + d.font->descent + 2;
    int text_w = 0;
    for (const std::string& line : l.lines)
        text_w = std::max(text_w, text_width(d, line));
    l.button_height = l.line_height + 12;
    int row_w = -kButtonGap;
    for (const sDialogButton& b : buttons) {
        const int w = std::max(kMinButtonWidth, text_width(d, b.text) + 24);
        l.buttons.push_back(
            {0, 0, static_cast<unsigned short>(w), static_cast<unsigned short>(l.button_height)});
        row_w += w + kButtonGap;
    }
    l.width = std::max(text_w, row_w) + 2 * kPad;
    l.button_top = kPad + static_cast<int>(l.lines.size()) * l.line_height + kPad;
    l.height = l.button_top + l.button_height + kPad;
    int x = l.width - kPad - row_w; // the row sits at the right, in the given order
    for (XRectangle& r : l.buttons) {
        r.x = static_cast<short>(x);
        r.y = static_cast<short>(l.button_top);
        x += r.width + kButtonGap;
    }
}

void paint(Dialog& d, const std::vector<sDialogButton>& buttons) {
    const Layout& l = d.layout;
    XftDrawRect(d.draw, &d.back, 0, 0, l.width, l.height);
    for (size_t i = 0; i < l.lines.size(); ++i)
        XftDrawStringUtf8(d.draw, &d.ink, d.font, kPad,
                          kPad + static_cast<int>(i) * l.line_height + d.font->ascent,
                          reinterpret_cast<const FcChar8*>(l.lines[i].data()),
                          static_cast<int>(l.lines[i].size()));
    for (size_t i = 0; i < buttons.size(); ++i) {
        const XRectangle& r = l.buttons[i];
        const int border = buttons[i].on_return ? 2 : 1; // the default button stands out
        XftDrawRect(d.draw, &d.edge, r.x, r.y, r.width, r.height);
        XftDrawRect(d.draw, &d.face, r.x + border, r.y + border, r.width - 2 * border,
                    r.height - 2 * border);
        XftDrawStringUtf8(d.draw, &d.ink, d.font,
                          r.x + (r.width - text_width(d, buttons[i].text)) / 2,
                          r.y + (r.height - l.line_height) / 2 + d.font->ascent + 1,
                          reinterpret_cast<const FcChar8*>(buttons[i].text.data()),
                          static_cast<int>(buttons[i].text.size()));
    }
    XFlush(d.display);
}

void make_window(Dialog& d, const std::string& caption) {
    const int screen = DefaultScreen(d.display);
    const Layout& l = d.layout;
    const int x = (DisplayWidth(d.display, screen) - l.width) / 2;
    const int y = (DisplayHeight(d.display, screen) - l.height) / 3;
    d.window = XCreateSimpleWindow(d.display, RootWindow(d.display, screen), x, y,
                                   static_cast<unsigned>(l.width), static_cast<unsigned>(l.height),
                                   0, 0, d.back.pixel);
    XStoreName(d.display, d.window, caption.c_str());
    XChangeProperty(d.display, d.window, XInternAtom(d.display, "_NET_WM_NAME", False),
                    XInternAtom(d.display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(caption.data()),
                    static_cast<int>(caption.size()));
    Atom dialog_type = XInternAtom(d.display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(d.display, d.window, XInternAtom(d.display, "_NET_WM_WINDOW_TYPE", False),
                    XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&dialog_type),
                    1);
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PPosition | PMinSize | PMaxSize;
    hints->x = x;
    hints->y = y;
    hints->min_width = hints->max_width = l.width;
    hints->min_height = hints->max_height = l.height;
    XSetWMNormalHints(d.display, d.window, hints);
    XFree(hints);
    d.delete_window = XInternAtom(d.display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d.display, d.window, &d.delete_window, 1);
    XSelectInput(d.display, d.window,
                 ExposureMask | KeyPressMask | ButtonReleaseMask | StructureNotifyMask);
}

bool open_dialog(Dialog& d) {
    d.display = XOpenDisplay(nullptr);
    if (!d.display)
        return false;
    const int screen = DefaultScreen(d.display);
    d.font = XftFontOpenName(d.display, screen, "sans-serif-11");
    if (!d.font)
        return false;
    Visual* visual = DefaultVisual(d.display, screen);
    const Colormap colormap = DefaultColormap(d.display, screen);
    XftColorAllocName(d.display, visual, colormap, "#202020", &d.ink);
    XftColorAllocName(d.display, visual, colormap, "#fafafa", &d.face);
    XftColorAllocName(d.display, visual, colormap, "#5a6f8c", &d.edge);
    XftColorAllocName(d.display, visual, colormap, "#e4e4e4", &d.back);
    return true;
}

void close_dialog(Dialog& d) {
    if (!d.display)
        return;
    if (d.draw)
        XftDrawDestroy(d.draw);
    if (d.font)
        XftFontClose(d.display, d.font);
    if (d.window)
        XDestroyWindow(d.display, d.window);
    XCloseDisplay(d.display);
}

// The button a key stands for: Return, Escape or a button's first letter.
int button_for_key(XKeyEvent& event, const std::vector<sDialogButton>& buttons) {
    char typed[8] = {};
    KeySym key = 0;
    XLookupString(&event, typed, sizeof typed - 1, &key, nullptr);
    for (size_t i = 0; i < buttons.size(); ++i) {
        const sDialogButton& b = buttons[i];
        if ((key == XK_Return || key == XK_KP_Enter) ? b.on_return
            : key == XK_Escape                       ? b.on_escape
                               : std::tolower(typed[0]) == std::tolower(b.text[0]))
            return static_cast<int>(i);
    }
    return -1;
}

int button_at(const Layout& l, int x, int y) {
    for (size_t i = 0; i < l.buttons.size(); ++i) {
        const XRectangle& r = l.buttons[i];
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
            return static_cast<int>(i);
    }
    return -1;
}

// Runs until a button is picked (its index) or the window is closed (-1).
int run_events(Dialog& d, const std::vector<sDialogButton>& buttons) {
    for (XEvent event;;) {
        XNextEvent(d.display, &event);
        int picked = -1;
        if (event.type == Expose && event.xexpose.count == 0)
            paint(d, buttons);
        else if (event.type == MapNotify) // no window manager: the keyboard follows the pointer
            XSetInputFocus(d.display, d.window, RevertToParent, CurrentTime);
        else if (event.type == KeyPress)
            picked = button_for_key(event.xkey, buttons);
        else if (event.type == ButtonRelease && event.xbutton.button == Button1)
            picked = button_at(d.layout, event.xbutton.x, event.xbutton.y);
        else if (event.type == ClientMessage &&
                 static_cast<Atom>(event.xclient.data.l[0]) == d.delete_window)
            return -1;
        if (picked >= 0)
            return picked;
    }
}

} // namespace

bool x11_dialog(const std::string& caption, const std::string& text,
                const std::vector<sDialogButton>& buttons, int* chosen) {
    Dialog d;
    // A window that vanishes under a request must not end the program.
    const auto previous_handler = XSetErrorHandler(ignore_x_errors);
    const bool shown = open_dialog(d) && !buttons.empty();
    if (shown) {
        lay_out(d, text, buttons);
        make_window(d, caption);
        const int screen = DefaultScreen(d.display);
        d.draw = XftDrawCreate(d.display, d.window, DefaultVisual(d.display, screen),
                               DefaultColormap(d.display, screen));
        XMapRaised(d.display, d.window);
        const int index = run_events(d, buttons);
        *chosen = index < 0 ? -1 : buttons[static_cast<size_t>(index)].id;
    }
    close_dialog(d);
    XSetErrorHandler(previous_handler);
    return shown;
}
