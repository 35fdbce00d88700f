// A small game folder for driving the installer: the two bitmap folders, game
// files with distinct bytes of their own, and the assets to compare with.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace orv::test {

// One replaced game file as the game lays it out.
struct GameFile {
  const char* path;    // relative to the game folder, begins with a backslash
  const char* backup;  // beside it
  const char* asset;   // name of the asset file that replaces it
};

const std::vector<GameFile>& loginFiles();      // the 4 files under upimg
const std::vector<GameFile>& interfaceFiles();  // the 19 under menu\Skins\default
std::vector<GameFile> allGameFiles();           // both, login first

// The bytes of a generated asset, read from the host tree's generated folder.
std::string assetBytes(const std::string& name);

class GameFolder {
 public:
  // A fresh folder; with the bitmap folders upimg and menu\Skins\default unless
  // bare is set.
  explicit GameFolder(bool bare = false, const std::string& root = {});
  ~GameFolder();
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  const std::string& root() const { return root_; }
  std::string path(const std::string& relative) const { return root_ + relative; }

  // Bytes that belong to this game file alone (differ in content and length).
  static std::string ownBytes(const std::string& relative);
  void put(const std::string& relative, const std::string& bytes) const;
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  // Every file below the root, as relative paths, sorted.
  std::vector<std::string> files() const;

 private:
  std::string root_;
  bool owned_;
};

// Holds a file open with no sharing, as another program would: it can then be
// neither renamed, deleted nor written.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace orv::test
