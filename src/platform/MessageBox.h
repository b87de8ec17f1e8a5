// Message boxes: the start-up question and the missing-extension notices.
// A real dialog where a display exists; a script answers the question with a
// line on standard input, and without a display the terminal asks instead.
#pragma once

#include <string>

enum class eAnswer { yes, no, cancel };

// Yes / No / Cancel; Yes is the default button (Return, or an answer line
// that is not y, n or c, or nobody to ask). Closing the dialog is Cancel.
eAnswer message_box_yes_no_cancel(const std::string& text, const std::string& caption);

// A notice with one OK button, shown whenever a display exists. Without one it
// does not wait: the caller has already printed the same news as a message line.
void message_box_ok(const std::string& text, const std::string& caption);

// The answer a line of text stands for: its first non-blank character, y, n
// or c in either case; anything else is the default, Yes.
eAnswer answer_from_line(const std::string& line);
