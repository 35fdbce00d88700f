// What the shell releases when the program ends, normally or through fatalError.
#pragma once
#include <functional>

namespace orv {

// Registers a release to run once at shut-down (libraries loaded for outside calls).
void atShutdown(std::function<void()> release);

// Runs every registered release once, newest first.
void runShutdownReleases();

}  // namespace orv
