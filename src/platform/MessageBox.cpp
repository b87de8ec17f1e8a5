#include "platform/MessageBox.h"

#include "platform/AnswerSource.h"
#include "platform/X11Dialog.h"

#include <cctype>
#include <cstdint>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A script answers at once; a second is long enough for a slow one and short
// enough that a silent input does not look like a hang before the dialog.
constexpr int kInputWaitMs = 1000;

// SDL2, which runs the SDL 1.2 API on this platform, has a message box of its
// own that reaches a Wayland desktop through its helper program. It is found
// at run time so the two SDL headers never meet; these mirror SDL2's ABI.
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

bool sdl2_dialog(const std::string& text, const std::string& caption, uint32_t flags,
                 const std::vector<sDialogButton>& buttons, int* chosen) {
    static const ShowMessageBox show = find_sdl2_message_box();
    if (!show)
        return false;
    std::vector<Sdl2Button> sdl_buttons;
    for (const sDialogButton& b : buttons)
        sdl_buttons.push_back(
            {(b.on_return ? 1u : 0u) | (b.on_escape ? 2u : 0u), b.id, b.text.c_str()});
    Sdl2MessageBoxData data{flags,
                            nullptr,
                            caption.c_str(),
                            text.c_str(),
                            static_cast<int>(sdl_buttons.size()),
                            sdl_buttons.data(),
                            nullptr};
    *chosen = -1;
    return show(&data, chosen) == 0;
}

// Shows the dialog and stores the chosen button id (-1 when the box was
// closed without a button); false when it could not be shown after all. The
// system's own window needs only an X display; SDL2's box covers the rest.
bool show_dialog(const std::string& text, const std::string& caption, uint32_t flags,
                 const std::vector<sDialogButton>& buttons, int* chosen) {
    return x11_dialog(caption, text, buttons, chosen) ||
           sdl2_dialog(text, caption, flags, buttons, chosen);
}

// Writes to the terminal standard input comes from, so that the standard
// streams carry only the system's own messages.
void tell_terminal(const std::string& text) {
    const char* name = ttyname(STDIN_FILENO);
    const int fd = open(name ? name : "/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = write(fd, text.data(), text.size());
    close(fd);
}

std::string read_terminal_line() {
    std::string line;
    char c = 0;
    while (read(STDIN_FILENO, &c, 1) == 1 && c != '\n')
        line.push_back(c);
    return line;
}

bool ask_dialog(const std::string& text, const std::string& caption, eAnswer* answer) {
    // Laid out in this order; the ids are the answers.
    const std::vector<sDialogButton> buttons = {
        {"Yes", static_cast<int>(eAnswer::yes), true, false},
        {"No", static_cast<int>(eAnswer::no), false, false},
        {"Cancel", static_cast<int>(eAnswer::cancel), false, true}};
    int chosen = -1;
    if (!show_dialog(text, caption, 0x20, buttons, &chosen))
        return false;
    *answer = chosen < 0 ? eAnswer::cancel : static_cast<eAnswer>(chosen); // closed: Cancel
    return true;
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
    std::string line;
    eAnswer answer = eAnswer::yes;
    for (eAnswerSource source : answer_sources(input_kind(STDIN_FILENO), display_present())) {
        switch (source) {
        case eAnswerSource::input_line:
            if (read_line_within(STDIN_FILENO, kInputWaitMs, &line))
                return answer_from_line(line);
            break;
        case eAnswerSource::dialog:
            if (ask_dialog(text, caption, &answer))
                return answer;
            break;
        case eAnswerSource::terminal_prompt:
            tell_terminal(caption + " - " + text + " [Y/n/c] ");
            return answer_from_line(read_terminal_line());
        case eAnswerSource::default_answer:
            return eAnswer::yes;
        }
    }
    return eAnswer::yes;
}

void message_box_ok(const std::string& text, const std::string& caption) {
    int chosen = -1;
    if (display_present() && show_dialog(text, caption, 0x10, {{"OK", 0, true, true}}, &chosen))
        return;
    if (input_kind(STDIN_FILENO) == eInputKind::terminal)
        tell_terminal(caption + ": " + text + "\n");
}
