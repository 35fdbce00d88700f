// Runs Replace and Restore on the real program, through its windows.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "program_under_test.h"

namespace orv::test {

// What the test writes into the status label first, to see whether the action
// wrote its outcome.
inline constexpr const char* kUnwritten = "-";

// One running program that cases share when they need only a fresh game
// folder; started again if an earlier case ended it.
ProgramUnderTest& sharedProgram();

// Checks the radio button (its click, as a user's) and makes sure it took.
bool checkRadio(const ProgramUnderTest& app, int radio);
void uncheckAllRadios(const ProgramUnderTest& app);

// Waits until the status label no longer shows kUnwritten; its text then, or
// kUnwritten after the timeout.
std::string waitForOutcome(const ProgramUnderTest& app, DWORD timeoutMs = 15000);

// Folder into the edit box, the radio checked (none for 0), the label set to
// kUnwritten, then a click on the button; returns the outcome text.
std::string runAction(const ProgramUnderTest& app, const std::string& folder, int radio,
                      int button);

inline std::string replaceIn(const std::string& folder, int radio) {
  return runAction(sharedProgram(), folder, radio, kReplace);
}
inline std::string restoreIn(const std::string& folder) {
  return runAction(sharedProgram(), folder, 0, kRestore);
}

}  // namespace orv::test
