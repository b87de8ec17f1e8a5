// Message boxes: the start-up question and the missing-extension notices.
// A real dialog where a display exists; when standard input is not a
// terminal the answer is one line read from it, so scripts can answer.
#pragma once

#include <string>

enum class eAnswer { yes, no, cancel };

// Yes / No / Cancel; Yes is the default button (Return, or an answer line
// that is not y, n or c).
eAnswer message_box_yes_no_cancel(const std::string& text, const std::string& caption);

// A notice with one OK button. Without a terminal on standard input it does
// not wait: the caller has already printed the same news as a message line.
void message_box_ok(const std::string& text, const std::string& caption);

// The answer a line of text stands for: its first non-blank character, y, n
// or c in either case; anything else is the default, Yes.
eAnswer answer_from_line(const std::string& line);
