// Path work for the resource search: canonical folding of "." and "..",
// absolute paths, the file-name part of a path and an existence test, with a
// last-error code that callers clear before and read after each call.
#pragma once

#include <string>

// Paths longer than this many characters (with the terminator) are refused,
// as the fixed-size buffers of the search list's callers expect.
constexpr size_t kMaxPath = 260;

void set_last_error(int code);
int last_error();
// The system's text for an error code.
std::string format_message(int code);

// Folds "." and ".." segments; leading ".." of a relative path stay, since
// there is nothing to fold them into. Sets the last error if the result does
// not fit kMaxPath.
std::string path_canonicalize(const std::string& path);
// Everything after the last '/' or '\\'.
std::string path_strip_path(const std::string& path);
// True for any existing file or directory.
bool path_file_exists(const std::string& path);
// True for a regular file this process may read.
bool path_file_readable(const std::string& path);
// The absolute, canonical form of `path` relative to the working directory.
std::string full_path_name(const std::string& path);
// The one absolute name of a file however it is reached (links and ".." resolved as far as
// the file system allows); the path itself when even that fails.
std::string file_identity(const std::string& path);
// The running program's own file, absolute ("" where the system does not say).
std::string executable_path();
// Makes `path` the working directory; false where it cannot.
bool change_directory(const std::string& path);
