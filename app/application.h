// Start-up, the event loop and shut-down of the program.
#pragma once
#include <windows.h>

namespace orv {

// Runs the program from start-up to shut-down; returns the process exit code.
int runApplication(HINSTANCE instance);

}  // namespace orv
