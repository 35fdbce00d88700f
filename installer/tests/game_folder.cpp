#include "game_folder.h"

#include <algorithm>

#include "program_under_test.h"

namespace orv::test {
namespace {

void listInto(const std::string& root, const std::string& relative, std::vector<std::string>& out) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((root + relative + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      listInto(root, relative + "\\" + name, out);
    else
      out.push_back(relative + "\\" + name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

const std::vector<GameFile>& loginFiles() {
  static const std::vector<GameFile> files = {
      {"\\upimg\\Main_Img1c.bmp", "\\upimg\\Main_Img1c.back", "main_img1"},
      {"\\upimg\\Main_Img1s.bmp", "\\upimg\\Main_Img1s.back", "main_img1"},
      {"\\upimg\\Main_Img2C.bmp", "\\upimg\\Main_Img2C.back", "main_img2"},
      {"\\upimg\\Main_Img2S.bmp", "\\upimg\\Main_Img2S.back", "main_img2"},
  };
  return files;
}

#define ORV_MENU_FILE(name, asset) \
  { "\\menu\\Skins\\default\\" name, "\\menu\\Skins\\default\\" name ".back", asset }

const std::vector<GameFile>& interfaceFiles() {
  static const std::vector<GameFile> files = {
      ORV_MENU_FILE("Btn_11.bmp", "btn_11"),
      ORV_MENU_FILE("Btn_12.bmp", "btn_12"),
      ORV_MENU_FILE("Btn_13.bmp", "btn_13"),
      ORV_MENU_FILE("Btn_14.bmp", "btn_14"),
      ORV_MENU_FILE("Btn_15.bmp", "btn_15"),
      ORV_MENU_FILE("Btn_16.bmp", "btn_16"),
      ORV_MENU_FILE("Btn_17.bmp", "btn_17"),
      ORV_MENU_FILE("Btn_18.bmp", "btn_18"),
      ORV_MENU_FILE("Btn_BackGround_2_c.bmp", "btn_background_2_c"),
      ORV_MENU_FILE("Form_HotKey_V.bmp", "form_hotkey_v"),
      ORV_MENU_FILE("Icon_LoginLogo_1.bmp", "icon_loginlogo_1"),
      ORV_MENU_FILE("Main_En.bmp", "main_en"),
      ORV_MENU_FILE("Main_En_100.bmp", "main_en_100"),
      ORV_MENU_FILE("Main_En_200.bmp", "main_en_200"),
      ORV_MENU_FILE("Main_En_300.bmp", "main_en_300"),
      ORV_MENU_FILE("Main_Exp.bmp", "main_exp"),
      ORV_MENU_FILE("Main_Hp.bmp", "main_hp"),
      ORV_MENU_FILE("Main_Sp.bmp", "main_sp"),
      ORV_MENU_FILE("main_Status_1.bmp", "main_status_1"),
  };
  return files;
}

#undef ORV_MENU_FILE

std::vector<GameFile> allGameFiles() {
  std::vector<GameFile> all = loginFiles();
  all.insert(all.end(), interfaceFiles().begin(), interfaceFiles().end());
  return all;
}

std::string assetBytes(const std::string& name) {
  // The generated folder names each asset after its identifier, with the
  // extension of its format.
  const std::string folder = windowsPath(ORV_GENERATED_DIR);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + name + ".*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  return readFile(folder + "\\" + found.cFileName);
}

GameFolder::GameFolder(bool bare, const std::string& root)
    : root_(root.empty() ? freshFolder("game") : root), owned_(root.empty()) {
  if (!root.empty()) CreateDirectoryA(root_.c_str(), nullptr);
  if (bare) return;
  for (const char* folder : {"\\upimg", "\\menu", "\\menu\\Skins", "\\menu\\Skins\\default"})
    CreateDirectoryA(path(folder).c_str(), nullptr);
}

GameFolder::~GameFolder() {
  if (owned_) removeTree(root_);
}

std::string GameFolder::ownBytes(const std::string& relative) {
  // Length and content both depend on the name, so no two files match.
  std::string bytes = "game's own " + relative + "\n";
  bytes.append(relative.size() * 7, static_cast<char>(relative.size()));
  return bytes;
}

void GameFolder::put(const std::string& relative, const std::string& bytes) const {
  writeWholeFile(path(relative), bytes);
}

std::string GameFolder::read(const std::string& relative) const {
  return readFile(path(relative));
}

bool GameFolder::exists(const std::string& relative) const {
  return GetFileAttributesA(path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> GameFolder::files() const {
  std::vector<std::string> out;
  listInto(root_, "", out);
  std::sort(out.begin(), out.end());
  return out;
}

FileLock::FileLock(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

FileLock::~FileLock() {
  if (held()) CloseHandle(handle_);
}

}  // namespace orv::test
