// A top-level window and its controls, built from a WindowDescription.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form_description.h"
#include "win_handles.h"

namespace orv {

class PicBox;
class TransLabel;
class Hyperlink;

class Form {
 private:
  struct Key {};  // only create() makes forms

 public:
  Form(Key, WindowDescription description, HINSTANCE instance);
  // Builds the window, hidden, with all its controls; nullptr when the window
  // cannot be created.
  static std::unique_ptr<Form> create(WindowDescription description, HINSTANCE instance);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND window() const { return window_.get(); }
  bool exists() const { return window_.get() && IsWindow(window_.get()); }
  HWND control(const std::string& name) const;

  // Properties that the program's logic reads and writes by control name.
  std::string text(const std::string& name) const;
  void setText(const std::string& name, const std::string& text);
  bool checked(const std::string& name) const;
  void setPicture(const std::string& name, BytesView bytes);

  // Raises the window's created event, then shows the window if it still exists.
  void raiseCreated();
  void show();

  // Window-level keys (Tab order, radio arrows, Esc, Enter, F1), applied to a
  // message before it is dispatched; true when the message was consumed.
  bool preTranslate(MSG& msg);

  // Called once the window has been destroyed.
  void onDestroyed(std::function<void()> handler) { destroyed_ = std::move(handler); }

 private:
  struct Control {
    ControlDescription description;
    HWND hwnd = nullptr;
    UniqueGdi<HFONT> font;
    std::unique_ptr<PicBox> picBox;
    std::unique_ptr<TransLabel> label;
    std::unique_ptr<Hyperlink> link;
  };

  bool build();
  bool createControl(Control& control);
  const Control* find(const std::string& name) const;
  const Control* findByWindow(HWND hwnd) const;
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  void command(int id, int code);
  void moveFocus(int step);
  bool moveRadio(HWND focus, int step);
  void raiseClicked(const Control& control);

  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  WindowDescription description_;
  HINSTANCE instance_;
  UniqueWindow window_;
  UniqueIcon bigIcon_, smallIcon_;
  std::vector<Control> controls_;
  HWND savedFocus_ = nullptr;
  bool navigating_ = false;
  std::function<void()> destroyed_;
};

}  // namespace orv
