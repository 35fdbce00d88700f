#include "form.h"

#include "font_factory.h"
#include "hyperlink.h"
#include "icon_from_ico.h"
#include "pic_box.h"
#include "trans_label.h"
#include "window_class.h"

namespace orv {

namespace {

constexpr const char* kFormClass = "OrvFormWindow";
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPSIBLINGS;

bool registerFormClass(HINSTANCE instance, WNDPROC proc) {
  return registerWindowClass(instance, kFormClass, proc, LoadCursor(nullptr, IDC_ARROW),
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

struct ChildClass {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

ChildClass childClass(const ControlDescription& d) {
  switch (d.kind) {
    case ControlKind::EditBox:
      return {"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0};
    case ControlKind::RadioBox:
      return {"BUTTON", BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER, 0};
    case ControlKind::GroupBox:
      return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::PicBox:
      return {PicBox::kClassName, d.border ? static_cast<DWORD>(WS_BORDER) : 0u, 0};
    case ControlKind::TransLabel:
      return {TransLabel::kClassName, 0, WS_EX_TRANSPARENT};
    case ControlKind::SimpleHtml:
      return {Hyperlink::kClassName, 0, 0};
  }
  return {"STATIC", 0, 0};
}

}  // namespace

Form::Form(Key, WindowDescription description, HINSTANCE instance)
    : description_(std::move(description)), instance_(instance) {}

Form::~Form() {
  // Destroy the windows before the control state they point at.
  window_.reset();
}

std::unique_ptr<Form> Form::create(WindowDescription description, HINSTANCE instance) {
  if (!registerFormClass(instance, windowProc) || !PicBox::registerClass(instance) ||
      !TransLabel::registerClass(instance) || !Hyperlink::registerClass(instance))
    return nullptr;
  auto form = std::make_unique<Form>(Key{}, std::move(description), instance);
  if (!form->build()) return nullptr;
  return form;
}

bool Form::build() {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - description_.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - description_.height) / 2;
  HWND hwnd =
      CreateWindowExA(0, kFormClass, description_.title.c_str(), kFormStyle, left, top,
                      description_.width, description_.height, nullptr, nullptr, instance_, this);
  if (!hwnd) return false;
  window_ = UniqueWindow(hwnd);
  bigIcon_ = UniqueIcon(iconFromIco(description_.icon, GetSystemMetrics(SM_CXICON)));
  smallIcon_ = UniqueIcon(iconFromIco(description_.icon, GetSystemMetrics(SM_CXSMICON)));
  if (bigIcon_.get())
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  if (smallIcon_.get())
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

  controls_.reserve(description_.controls.size());
  for (const ControlDescription& d : description_.controls) {
    controls_.push_back(Control{d});
    if (!createControl(controls_.back())) return false;
  }
  return true;
}

bool Form::createControl(Control& control) {
  const ControlDescription& d = control.description;
  HWND parent = window_.get();
  if (!d.parent.empty()) {
    const Control* owner = find(d.parent);
    if (!owner) return false;
    parent = owner->hwnd;
  }
  const ChildClass cls = childClass(d);
  DWORD style = WS_CHILD | cls.style;
  if (d.visible) style |= WS_VISIBLE;
  if (!d.enabled) style |= WS_DISABLED;
  if (d.tabStop) style |= WS_TABSTOP;
  // Radio buttons that follow one another form one group; every other control
  // starts a group of its own.
  const bool continuesRadioGroup =
      d.kind == ControlKind::RadioBox && controls_.size() > 1 &&
      controls_[controls_.size() - 2].description.kind == ControlKind::RadioBox;
  if (!continuesRadioGroup) style |= WS_GROUP;

  void* state = nullptr;
  if (d.kind == ControlKind::PicBox) {
    control.picBox = std::make_unique<PicBox>(d.scaling);
    state = control.picBox.get();
  } else if (d.kind == ControlKind::TransLabel) {
    control.label = std::make_unique<TransLabel>(d.textColor.value_or(RGB(0, 0, 0)));
    state = control.label.get();
  } else if (d.kind == ControlKind::SimpleHtml) {
    control.link = std::make_unique<Hyperlink>(d.link.value_or(LinkDescription{}));
    state = control.link.get();
  }
  const int id = static_cast<int>(controls_.size());  // 1-based number in creation order
  control.hwnd = CreateWindowExA(
      cls.exStyle, cls.className, d.text.c_str(), style, d.left, d.top, d.width, d.height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, state);
  if (!control.hwnd) return false;
  if (d.font) control.font.reset(createFont(*d.font));
  HGDIOBJ font = control.font.get() ? static_cast<HGDIOBJ>(control.font.get())
                                    : GetStockObject(DEFAULT_GUI_FONT);
  SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (control.picBox && d.picture.size) control.picBox->setPicture(control.hwnd, d.picture);
  return true;
}

const Form::Control* Form::find(const std::string& name) const {
  for (const Control& c : controls_)
    if (c.description.name == name) return &c;
  return nullptr;
}

const Form::Control* Form::findByWindow(HWND hwnd) const {
  for (const Control& c : controls_)
    if (c.hwnd == hwnd) return &c;
  return nullptr;
}

HWND Form::control(const std::string& name) const {
  const Control* c = find(name);
  return c ? c->hwnd : nullptr;
}

std::string Form::text(const std::string& name) const {
  HWND hwnd = control(name);
  if (!hwnd || !IsWindow(hwnd)) return {};
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void Form::setText(const std::string& name, const std::string& text) {
  HWND hwnd = control(name);
  if (hwnd && IsWindow(hwnd)) SetWindowTextA(hwnd, text.c_str());
}

bool Form::checked(const std::string& name) const {
  HWND hwnd = control(name);
  return hwnd && IsWindow(hwnd) && SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form::setPicture(const std::string& name, BytesView bytes) {
  const Control* c = find(name);
  if (c && c->picBox && IsWindow(c->hwnd)) c->picBox->setPicture(c->hwnd, bytes);
}

void Form::raiseCreated() {
  if (description_.created) description_.created();
}

void Form::show() {
  if (!exists()) return;
  ShowWindow(window_.get(), SW_SHOWNORMAL);
  UpdateWindow(window_.get());
  for (const Control& c : controls_) {
    if (c.description.tabStop && IsWindowVisible(c.hwnd) && IsWindowEnabled(c.hwnd)) {
      SetFocus(c.hwnd);
      break;
    }
  }
}

void Form::raiseClicked(const Control& control) {
  if (control.description.clicked) control.description.clicked();
}

void Form::command(int id, int code) {
  if (code != BN_CLICKED || id < 1 || id > static_cast<int>(controls_.size())) return;
  const Control& c = controls_[static_cast<size_t>(id - 1)];
  if (c.description.kind != ControlKind::Button && c.description.kind != ControlKind::RadioBox)
    return;
  // Moving the focus with Tab is no click, even where a radio button says so.
  if (navigating_) return;
  raiseClicked(c);
}

LRESULT Form::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND hwnd = window_.get();
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) savedFocus_ = focus;
      } else if (savedFocus_ && IsWindow(savedFocus_) && IsChild(hwnd, savedFocus_)) {
        SetFocus(savedFocus_);
        return 0;
      }
      break;
    case WM_HELP:
      return TRUE;  // no help file
    case WM_DESTROY:
      if (destroyed_) destroyed_();
      return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = windowObject<Form>(hwnd, message, lparam);
  if (message == WM_NCDESTROY && self) self->window_.release();
  if (!self || !self->window_.get()) return DefWindowProcA(hwnd, message, wparam, lparam);
  return self->handle(message, wparam, lparam);
}

}  // namespace orv
