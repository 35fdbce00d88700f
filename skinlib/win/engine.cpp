#include "engine.h"

#include "skinlib/skin_file.h"
#include "skinned_parts.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace orv::skin {
namespace {

struct ThreadHook {
  DWORD thread;
  HHOOK hook;
};

struct Engine {
  std::unique_ptr<ActiveSkin> skin;
  bool aero = false;
  std::vector<ThreadHook> hooks;
  std::vector<std::pair<HWND, SkinKind>> windows;  // subclassed by us
};

Engine& engine() {
  static Engine e;
  return e;
}

SUBCLASSPROC procOf(SkinKind kind) {
  switch (kind) {
    case SkinKind::frame:
      return frameProc;
    case SkinKind::push:
      return pushProc;
    case SkinKind::radio:
      return radioProc;
    case SkinKind::group:
      return groupProc;
    case SkinKind::edit:
      return editProc;
    case SkinKind::none:
      break;
  }
  return nullptr;
}

bool isSkinned(HWND hwnd) {
  const auto& w = engine().windows;
  return std::any_of(w.begin(), w.end(), [hwnd](const auto& e) { return e.first == hwnd; });
}

// Subclasses a window of the calling thread by its kind.
void skinWindow(HWND hwnd) {
  if (isSkinned(hwnd) || isShadowWindow(hwnd)) return;
  if (GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) return;
  const SkinKind kind = skinKindOf(hwnd);
  SUBCLASSPROC proc = procOf(kind);
  if (!proc || !SetWindowSubclass(hwnd, proc, kSubclassId, 0)) return;
  engine().windows.emplace_back(hwnd, kind);
}

LRESULT CALLBACK cbtHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND && engine().skin) {
    auto hwnd = reinterpret_cast<HWND>(wparam);
    skinWindow(hwnd);
    // A dialog is created at the size of its client area in the plain frame.
    CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
    if (skinKindOf(hwnd) == SkinKind::frame && !(cs->style & WS_CHILD) &&
        (cs->style & WS_CAPTION) == WS_CAPTION && cs->cx > 0 && cs->cy > 0) {
      char cls[8] = {};
      GetClassNameA(hwnd, cls, sizeof cls);
      if (lstrcmpA(cls, "#32770") == 0) {
        const SIZE g = frameGrowth(hwnd, engine().skin->theme);
        cs->cx += g.cx;
        cs->cy += g.cy;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void hookThread(DWORD thread) {
  auto& hooks = engine().hooks;
  if (std::any_of(hooks.begin(), hooks.end(),
                  [&](const ThreadHook& h) { return h.thread == thread; }))
    return;
  if (HHOOK h = SetWindowsHookExA(WH_CBT, cbtHook, nullptr, thread)) hooks.push_back({thread, h});
}

BOOL CALLBACK skinChild(HWND hwnd, LPARAM) {
  skinWindow(hwnd);
  return TRUE;
}

// Top-level windows of this process: their threads get the hook, those of
// the calling thread are skinned with all their children now.
BOOL CALLBACK adoptTopLevel(HWND hwnd, LPARAM) {
  DWORD pid = 0;
  const DWORD thread = GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId() || isShadowWindow(hwnd)) return TRUE;
  hookThread(thread);
  if (thread == GetCurrentThreadId()) {
    skinWindow(hwnd);
    EnumChildWindows(hwnd, skinChild, 0);
  }
  return TRUE;
}

void redrawAll() {
  for (const auto& [hwnd, kind] : engine().windows) {
    if (kind == SkinKind::frame) refreshFrame(hwnd);
  }
  for (const auto& [hwnd, kind] : engine().windows) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

std::unique_ptr<ActiveSkin> makeActiveSkin(Theme&& theme) {
  auto s = std::make_unique<ActiveSkin>();
  s->theme = std::move(theme);
  const Font& f = s->theme.font(FontId::caption);
  s->captionFont.reset(CreateFontA(f.height, 0, 0, 0, f.weight, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   CLEARTYPE_QUALITY, DEFAULT_PITCH, f.face.c_str()));
  s->back.reset(CreateSolidBrush(colorRef(s->theme.color(ColorId::windowBack))));
  s->editBack.reset(CreateSolidBrush(colorRef(s->theme.color(ColorId::editBack))));
  if (!s->captionFont || !s->back || !s->editBack) return nullptr;
  return s;
}

}  // namespace

const ActiveSkin* activeSkin() {
  return engine().skin.get();
}
bool aeroEnabled() {
  return engine().aero;
}

SkinResult attachSkin(const uint8_t* data, int32_t length) {
  Theme theme;
  const SkinResult r = loadSkinFile(data, length, theme);
  if (r != SkinResult::ok) return r;
  std::unique_ptr<ActiveSkin> skin = makeActiveSkin(std::move(theme));
  if (!skin) return SkinResult::systemError;
  Engine& e = engine();
  e.skin = std::move(skin);
  hookThread(GetCurrentThreadId());
  EnumWindows(adoptTopLevel, 0);
  redrawAll();
  return SkinResult::ok;
}

SkinResult setAero(bool on) {
  Engine& e = engine();
  e.aero = on;
  for (const auto& [hwnd, kind] : e.windows) {
    if (kind != SkinKind::frame) continue;
    if (on) {
      updateShadow(hwnd);
    } else {
      removeShadow(hwnd);
    }
    paintFrame(hwnd);
  }
  return SkinResult::ok;
}

SkinResult detachSkin() {
  Engine& e = engine();
  if (!e.skin) return SkinResult::notAttached;
  for (const ThreadHook& h : e.hooks) UnhookWindowsHookEx(h.hook);
  e.hooks.clear();
  std::vector<std::pair<HWND, SkinKind>> windows;
  windows.swap(e.windows);
  for (const auto& [hwnd, kind] : windows) {
    if (kind == SkinKind::frame) removeShadow(hwnd);
    RemoveWindowSubclass(hwnd, procOf(kind), kSubclassId);
  }
  e.skin.reset();
  for (const auto& [hwnd, kind] : windows) {
    if (kind == SkinKind::frame) refreshFrame(hwnd);
  }
  for (const auto& [hwnd, kind] : windows) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  return SkinResult::ok;
}

void forgetWindow(HWND hwnd) {
  auto& w = engine().windows;
  for (auto it = w.begin(); it != w.end(); ++it) {
    if (it->first == hwnd) {
      RemoveWindowSubclass(hwnd, procOf(it->second), kSubclassId);
      w.erase(it);
      return;
    }
  }
}

}  // namespace orv::skin
