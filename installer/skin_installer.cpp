#include "skin_installer.h"

#include <windows.h>

#include <vector>

#include "assets/asset_store.h"
#include "forms/form.h"
#include "services/dialog_services.h"
#include "services/file_services.h"
#include "ui/main_window.h"

namespace orv {
namespace {

// Lets the window work meanwhile; the outcome comes after it.
constexpr std::int32_t kPauseMs = 2000;

class BusyScope {
 public:
  explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& flag_;
};

bool writeAsset(const std::string& path, AssetId id) {
  const AssetBytes bytes = AssetStore::lookup(id);
  return writeFile(path, {ByteView{bytes.data, bytes.size}});
}

}  // namespace

SkinInstaller::SkinInstaller(Form& form) : form_(form), directory_(form) {}

void SkinInstaller::browse() {
  directory_.browse();
}

void SkinInstaller::replace() {
  if (busy_) return;
  BusyScope busy(busy_);
  if (!directory_.requireGameDirectory()) return;
  // Three separate tests in this order; the radio buttons keep at most one checked.
  if (form_.checked(ctl::kLoginSkinRadio)) {
    const bool ok = replaceBitmaps(loginSkinFiles.data(), loginSkinFiles.size());
    showOutcome(replaceOutcomeText(SkinMode::loginSkin, ok));
  }
  if (form_.checked(ctl::kServerListRadio)) {
    const bool ok = replaceServerList();
    showOutcome(replaceOutcomeText(SkinMode::serverList, ok));
  }
  if (form_.checked(ctl::kInterfaceRadio)) {
    const bool ok = replaceBitmaps(interfaceFiles.data(), interfaceFiles.size());
    pumpEvents(kPauseMs);
    showOutcome(replaceOutcomeText(SkinMode::gameInterface, ok));
  }
}

bool SkinInstaller::replaceBitmaps(const GameFileEntry* entries, std::size_t count) {
  // The rename is the backup. It fails harmlessly when a backup already exists
  // (the first one survives) or when the game file is missing.
  for (std::size_t i = 0; i < count; ++i)
    renameFile(directory_.gamePath(entries[i].gameFile), directory_.gamePath(entries[i].backup));
  WriteTally tally;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string game = directory_.gamePath(entries[i].gameFile);
    if (!mayWriteGameFile(fileExists(game), fileExists(directory_.gamePath(entries[i].backup)))) {
      tally.add(false);  // the game's own file stays, since no copy of it exists
      continue;
    }
    tally.add(writeAsset(game, entries[i].asset));
  }
  return tally.complete();
}

bool SkinInstaller::replaceServerList() {
  // Written aside and moved over the old list in one step, so a failed write
  // never costs the game its list.
  const std::string temporary = directory_.gamePath(kServerListTemporary);
  const std::string target = directory_.gamePath(kServerListFile);
  if (writeAsset(temporary, AssetId::server_ini) &&
      MoveFileExA(temporary.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  deleteFile(temporary);
  return false;
}

void SkinInstaller::restore() {
  if (busy_) return;
  BusyScope busy(busy_);
  if (!directory_.requireGameDirectory()) return;
  // Only entries with a backup take part: deleting the game file of an entry
  // that has none would destroy the game's own file.
  std::vector<const GameFileEntry*> restorable;
  auto collect = [&](const auto& table) {
    for (const GameFileEntry& entry : table)
      if (fileExists(directory_.gamePath(entry.backup))) restorable.push_back(&entry);
  };
  collect(loginSkinFiles);
  collect(interfaceFiles);
  // All deletions before the first rename.
  for (const GameFileEntry* entry : restorable) deleteFile(directory_.gamePath(entry->gameFile));
  std::size_t restored = 0;
  for (const GameFileEntry* entry : restorable)
    if (renameFile(directory_.gamePath(entry->backup), directory_.gamePath(entry->gameFile)))
      ++restored;
  pumpEvents(kPauseMs);
  showOutcome(restoreOutcomeText(restoreOutcome(restorable.size(), restored)));
}

void SkinInstaller::showOutcome(const char* text) {
  // The window may have been closed during the pause; then there is no label.
  if (form_.exists()) form_.setText(ctl::kStatusLabel, text);
}

}  // namespace orv
