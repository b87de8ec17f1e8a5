// The two streams every diagnostic line of the system goes to.
// They are standard output and standard error unless a test redirects them,
// so tests read the exact messages without starting a process.
#pragma once

#include <ostream>

std::ostream& msg_out();
std::ostream& msg_err();

// Sends messages to the given streams; nullptr restores the standard one.
void redirect_messages(std::ostream* out, std::ostream* err);
