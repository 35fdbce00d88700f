// The exit for errors the program cannot survive.
#pragma once
#include <string>

namespace orv {

// Shows an error box without owner that names the error code (when not 0) and
// the message (when not empty), releases what shut-down releases and ends the
// process with exit code -1.
[[noreturn]] void fatalError(const std::string& message, int code);

}  // namespace orv
