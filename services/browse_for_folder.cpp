#include "services/dialog_services.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "services/scoped_handles.h"

namespace orv {
namespace {

// Shows an edit field in which a folder name may be typed; files are not listed.
constexpr UINT kBrowseFlags = BIF_EDITBOX;
static_assert(kBrowseFlags == 0x10, "the browser gets the edit-field flag only");

// Disables the thread's top-level windows for its lifetime and then gives each
// the enabled state it had. The GUI thread is the program's only one, so these
// are the program's top-level windows; staying on this thread also keeps
// EnableWindow from waiting on another thread's message loop.
class DisabledThreadWindows {
 public:
  DisabledThreadWindows() {
    EnumThreadWindows(GetCurrentThreadId(), &DisabledThreadWindows::note,
                      reinterpret_cast<LPARAM>(&windows_));
    for (const Window& window : windows_) EnableWindow(window.handle, FALSE);
  }
  ~DisabledThreadWindows() {
    for (const Window& window : windows_) {
      if (IsWindow(window.handle)) EnableWindow(window.handle, window.enabled ? TRUE : FALSE);
    }
  }
  DisabledThreadWindows(const DisabledThreadWindows&) = delete;
  DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

 private:
  struct Window {
    HWND handle;
    bool enabled;
  };

  static BOOL CALLBACK note(HWND handle, LPARAM windows) {
    if (GetAncestor(handle, GA_PARENT) == GetDesktopWindow()) {
      reinterpret_cast<std::vector<Window>*>(windows)->push_back(
          {handle, IsWindowEnabled(handle) != FALSE});
    }
    return TRUE;
  }

  std::vector<Window> windows_;
};

ScopedShellItem showBrowser(HWND owner, const std::string& title) {
  char displayName[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;  // the tree starts at the desktop
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = kBrowseFlags;
  return ScopedShellItem(SHBrowseForFolderA(&info));
}

std::string fileSystemPath(const ITEMIDLIST* item) {
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(item, path)) return {};  // a virtual folder
  return path;
}

}  // namespace

std::string browseForFolder(const std::string& title) {
  ScopedOle ole;
  HWND active = GetActiveWindow();
  if (!IsWindow(active)) active = nullptr;
  HWND foreground = GetForegroundWindow();

  ScopedShellItem chosen;
  {
    DisabledThreadWindows disabled;
    chosen = showBrowser(active, title);
  }
  if (foreground && IsWindow(foreground)) SetForegroundWindow(foreground);
  if (active && IsWindow(active)) SetActiveWindow(active);

  if (!chosen) return {};
  return fileSystemPath(chosen.get());
}

}  // namespace orv
