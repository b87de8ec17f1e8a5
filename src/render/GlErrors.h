// Reports pending OpenGL and image-library errors as "## ERROR" lines with a
// context word. Reports only: the caller decides whether to go on, and the
// demo always does.
#pragma once

#include <string>

// Fetches one pending GL error; prints and returns true if there was one.
bool check_gl_error(const std::string& context);
// Drains the image library's error stack, printing each; true if any.
bool check_il_error();
