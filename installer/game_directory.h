// The game folder: the text of the directory edit box, read afresh for every
// path and used unchanged (blanks, relative texts and a trailing backslash
// included). A relative text is resolved against the current folder, which
// start-up sets to the program's own folder.
#pragma once
#include <string>

namespace orv {

class Form;

class GameDirectory {
 public:
  explicit GameDirectory(Form& form) : form_(form) {}

  // The edit box's text at this moment.
  std::string text() const;
  // The folder text followed by a relative path that begins with a backslash.
  std::string gamePath(const std::string& relative) const;
  // The guard that Replace and Restore run first. True when a folder is given;
  // otherwise asks for one (message, then folder browser into the edit box)
  // and returns false: the action ends without touching a file.
  bool requireGameDirectory();
  // Browse: the folder browser's answer replaces the edit box's text, also
  // when it is empty (cancelled, or an item without a file-system path).
  void browse();

 private:
  Form& form_;
};

}  // namespace orv
