#include "ProgramExit.h"

#include <cstdlib>

namespace {
void (*g_hook)(int) = nullptr;
} // namespace

void program_exit(int code) {
    if (g_hook)
        g_hook(code);
    std::exit(code); // a hook that returned still ends the program
}

void set_exit_hook(void (*hook)(int code)) {
    g_hook = hook;
}
