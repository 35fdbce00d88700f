// The data that describes a window and its controls; Form turns it into windows.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv {

enum class ControlKind { EditBox, PicBox, GroupBox, Button, RadioBox, TransLabel, SimpleHtml };

enum class PictureScaling { ActualSize, Stretch };

// A read-only run of bytes (a picture file held in the program image).
struct BytesView {
  const std::uint8_t* data = nullptr;
  std::uint32_t size = 0;
};

// A font as CreateFontA takes it; face names are GBK texts.
struct FontDescription {
  std::string face;
  int height = 0;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = DEFAULT_CHARSET;
  int outPrecision = OUT_DEFAULT_PRECIS;
  int clipPrecision = CLIP_DEFAULT_PRECIS;
  int quality = DEFAULT_QUALITY;
  int pitchAndFamily = DEFAULT_PITCH;
};

// One hyperlink of a simple hypertext box.
struct LinkDescription {
  std::string text;
  std::string target;
  FontDescription font;
  COLORREF color = RGB(0, 0, 255);
};

struct ControlDescription {
  std::string name;  // unique; code addresses the control by it
  ControlKind kind = ControlKind::Button;
  std::string parent;  // empty: the window itself
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  std::string text;  // GBK
  // Kind settings.
  std::optional<FontDescription> font;  // none: the default GUI font
  std::optional<COLORREF> textColor;
  bool border = false;
  PictureScaling scaling = PictureScaling::ActualSize;
  BytesView picture;
  std::optional<LinkDescription> link;
  // Events.
  std::function<void()> clicked;
};

struct WindowDescription {
  std::string title;                         // GBK
  int width = 0, height = 0;                 // outer size, frame and caption included
  BytesView icon;                            // ICO file data
  std::vector<ControlDescription> controls;  // in creation and tab order
  std::function<void()> created;
};

}  // namespace orv
