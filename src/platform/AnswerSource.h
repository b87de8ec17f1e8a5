// Where the answer to a message box comes from. Standard input answers only
// where a script really gives one: a pipe or file that yields a line in time.
// Otherwise the real dialog where a display exists, else the terminal, else Yes.
#pragma once

#include <string>
#include <vector>

// What standard input is, as far as a waiting question is concerned; /dev/null,
// a closed descriptor and a socket are all "other".
enum class eInputKind { pipe_or_file, terminal, other };

enum class eAnswerSource { input_line, dialog, terminal_prompt, default_answer };

// The sources to try, in order. Each but the last may come up empty (no line
// in time, no dialog after all); the last is always the default answer.
std::vector<eAnswerSource> answer_sources(eInputKind input, bool display);

eInputKind input_kind(int fd);
// A desktop session names its display in the environment it starts programs with.
bool display_present();
// One line from `fd` (its end may be the end of the input) if it arrives
// within `timeout_ms`; false for no input, or input that stays silent.
bool read_line_within(int fd, int timeout_ms, std::string* line);
