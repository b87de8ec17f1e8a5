#include "platform/MessageBox.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <dlfcn.h>
#include <iostream>
#include <unistd.h>

// SDL 1.2 has no message boxes; SDL2, which runs the SDL 1.2 API on this
// platform, has one with custom buttons. It is reached at run time so the
// two SDL headers never meet; these mirror SDL2's stable ABI.
namespace {

struct Sdl2Button {
    uint32_t flags; // 1: Return key, 2: Escape key
    int buttonid;
    const char* text;
};

struct Sdl2MessageBoxData {
    uint32_t flags; // 0x20: information, 0x10: warning
    void* window;
    const char* title;
    const char* message;
    int numbuttons;
    const Sdl2Button* buttons;
    const void* colorScheme;
};

using ShowMessageBox = int (*)(const Sdl2MessageBoxData*, int*);

ShowMessageBox find_sdl2_message_box() {
    void* lib = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
    return lib ? reinterpret_cast<ShowMessageBox>(dlsym(lib, "SDL_ShowMessageBox")) : nullptr;
}

// Shows the dialog and stores the chosen button id (-1 when the box was
// closed without a button); false when there is no display to show it on.
bool show_dialog(const std::string& text, const std::string& caption, uint32_t flags,
                 const Sdl2Button* buttons, int count, int* chosen) {
    static const ShowMessageBox show = find_sdl2_message_box();
    if (!show)
        return false;
    Sdl2MessageBoxData data{flags, nullptr, caption.c_str(), text.c_str(), count, buttons, nullptr};
    *chosen = -1;
    return show(&data, chosen) == 0;
}

std::string read_line() {
    std::string line;
    std::getline(std::cin, line);
    return line;
}

bool stdin_is_terminal() {
    return isatty(STDIN_FILENO) != 0;
}

} // namespace

eAnswer answer_from_line(const std::string& line) {
    for (char c : line) {
        if (std::isspace(static_cast<unsigned char>(c)))
            continue;
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'n':
            return eAnswer::no;
        case 'c':
            return eAnswer::cancel;
        default:
            return eAnswer::yes;
        }
    }
    return eAnswer::yes;
}

eAnswer message_box_yes_no_cancel(const std::string& text, const std::string& caption) {
    if (!stdin_is_terminal())
        return answer_from_line(read_line());
    // SDL2 lays buttons out in array order; the ids are the answers.
    const Sdl2Button buttons[] = {{1, static_cast<int>(eAnswer::yes), "Yes"},
                                  {0, static_cast<int>(eAnswer::no), "No"},
                                  {2, static_cast<int>(eAnswer::cancel), "Cancel"}};
    int chosen = -1;
    if (show_dialog(text, caption, 0x20, buttons, 3, &chosen))
        return chosen < 0 ? eAnswer::cancel : static_cast<eAnswer>(chosen); // closed: Cancel
    // No display: ask on the terminal instead.
    std::fprintf(stderr, "%s - %s [Y/n/c] ", caption.c_str(), text.c_str());
    return answer_from_line(read_line());
}

void message_box_ok(const std::string& text, const std::string& caption) {
    if (!stdin_is_terminal())
        return;
    const Sdl2Button ok[] = {{3, 0, "OK"}};
    int chosen = -1;
    if (!show_dialog(text, caption, 0x10, ok, 1, &chosen))
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}
