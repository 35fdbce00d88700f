// The click handlers of Browse (按钮1), Replace (按钮2) and Restore (按钮3).
#pragma once
#include <cstddef>

#include "file_tables.h"
#include "game_directory.h"
#include "outcome_rules.h"

namespace orv {

class Form;

class SkinInstaller {
 public:
  explicit SkinInstaller(Form& form);
  void browse();
  // Runs the checked mode and writes its outcome into the status label.
  void replace();
  // Puts back every backup of both bitmap tables; never touches SERVER.INI.
  void restore();

 private:
  bool replaceBitmaps(const GameFileEntry* entries, std::size_t count);
  bool replaceServerList();
  void showOutcome(const char* text);

  Form& form_;
  GameDirectory directory_;
  // Set while Replace or Restore runs: clicks that arrive during the pause of
  // a running action are ignored instead of starting it again.
  bool busy_ = false;
};

}  // namespace orv
