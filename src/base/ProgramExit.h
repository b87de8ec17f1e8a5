// The one way a reader ends the program on a file it cannot use. It exits
// with the given code unless a test or fuzz target has installed a hook,
// which then ends the reading instead (by throwing) and must not return.
#pragma once

[[noreturn]] void program_exit(int code);

// Installs `hook` (nullptr restores the plain exit).
void set_exit_hook(void (*hook)(int code));
