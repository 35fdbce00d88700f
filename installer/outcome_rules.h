// What the installer decides from the results of its file operations: whether
// a game file may be written, and which outcome text an action ends with.
#pragma once
#include <cstddef>

namespace orv {

enum class SkinMode { loginSkin, gameInterface, serverList };

// After the backup renames: a game file that is still there may be replaced
// only when its backup exists (made just now or by an earlier run); otherwise
// writing would destroy the game's own file.
constexpr bool mayWriteGameFile(bool gameFileExists, bool backupExists) {
  return !gameFileExists || backupExists;
}

// Counts the writes one mode needs and the ones that were made and succeeded.
struct WriteTally {
  std::size_t needed = 0;
  std::size_t succeeded = 0;
  void add(bool ok) {
    ++needed;
    if (ok) ++succeeded;
  }
  bool complete() const { return succeeded == needed; }
};

// The mode's success text only when every write it needs succeeded.
const char* replaceOutcomeText(SkinMode mode, bool allWritten);

enum class RestoreOutcome { restored, failed, nothingToRestore };

// restorable: entries whose backup existed; restored: those put back.
RestoreOutcome restoreOutcome(std::size_t restorable, std::size_t restored);
const char* restoreOutcomeText(RestoreOutcome outcome);

}  // namespace orv
