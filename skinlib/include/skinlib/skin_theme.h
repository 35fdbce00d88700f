// The look of one skin as the library draws it: colours, metrics, fonts and
// the bitmaps of every drawn part. Pure data, shared by the generator, the
// payload parser and the painters.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace orv::skin {

// Colours are stored as 0x00RRGGBB.
enum class ColorId : uint16_t {
  windowBack,   // client background of skinned windows
  windowText,   // labels and radio button texts
  captionText,  // title of the active window
  captionTextInactive,
  buttonText,
  buttonTextDisabled,
  editBack,
  editText,
  editBorder,
  editBorderHot,  // edit border while hovered or focused
  groupFrame,
  groupText,
  shadow,  // colour of the aero shadow around the frame
  focusMark,
  count
};

enum class MetricId : uint16_t {
  captionHeight,  // caption band below the top frame edge
  frameWidth,     // left, right and bottom frame
  cornerRadius,   // rounding of the window's top corners
  captionButtonWidth,
  captionButtonHeight,
  captionButtonGap,
  captionButtonTop,  // offset of the caption buttons from the window's top
  iconSize,
  titleIndent,  // space left of the icon
  shadowSize,   // aero shadow extent
  glossAlpha,   // 0..255, strength of the aero gloss
  radioSize,
  groupRadius,
  count
};

enum class FontId : uint16_t { caption, count };

enum class BitmapId : uint16_t {
  frame,           // nine-slice image of the whole frame; states: active, inactive
  closeButton,     // states: normal, hover, pressed, inactive
  maximizeButton,  // same states
  restoreButton,
  minimizeButton,
  pushButton,  // nine-slice; states: normal, hover, pressed, focused, disabled
  radio,       // states: off normal, hover, pressed, disabled, on normal, hover, pressed, disabled
  count
};

enum class FrameState : uint8_t { active, inactive, count };
enum class CaptionButtonState : uint8_t { normal, hover, pressed, inactive, count };
enum class PushState : uint8_t { normal, hover, pressed, focused, disabled, count };
enum class RadioState : uint8_t { normal, hover, pressed, disabled, count };  // +count when checked

constexpr size_t kColorCount = static_cast<size_t>(ColorId::count);
constexpr size_t kMetricCount = static_cast<size_t>(MetricId::count);
constexpr size_t kFontCount = static_cast<size_t>(FontId::count);
constexpr size_t kBitmapCount = static_cast<size_t>(BitmapId::count);

// Number of states stacked top to bottom in each bitmap.
constexpr uint8_t kBitmapStates[kBitmapCount] = {2, 4, 4, 4, 4, 5, 8};

// A short narrow text held inline, so the library needs no string runtime.
template <size_t N>
struct FixedText {
  std::array<char, N + 1> chars{};
  size_t length = 0;

  bool assign(const char* text, size_t n) {
    if (n > N) return false;
    std::memcpy(chars.data(), text, n);
    chars[n] = '\0';
    length = n;
    return true;
  }
  bool assign(std::string_view text) { return assign(text.data(), text.size()); }
  const char* c_str() const { return chars.data(); }
  size_t size() const { return length; }
  bool empty() const { return length == 0; }
  std::string_view view() const { return {chars.data(), length}; }
};

struct Margins {
  uint8_t left = 0, top = 0, right = 0, bottom = 0;
};

// Premultiplied 32-bit pixels, 0xAARRGGBB, rows top-down; `height` is one
// state's height, the states lie below each other.
struct Bitmap {
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t states = 0;
  Margins slice;  // nine-slice borders; zero means the image is drawn unscaled
  std::vector<uint32_t> pixels;

  const uint32_t* state(size_t s) const { return pixels.data() + s * width * height; }
  bool empty() const { return pixels.empty(); }
};

struct Font {
  int16_t height = 0;  // pixels, as CreateFont's cell height (negative: character height)
  uint16_t weight = 400;
  FixedText<31> face;  // narrow (GBK) face name
};

struct Theme {
  FixedText<64> name;
  std::array<uint32_t, kColorCount> colors{};
  std::array<int32_t, kMetricCount> metrics{};
  std::array<Font, kFontCount> fonts{};
  std::array<Bitmap, kBitmapCount> bitmaps{};

  uint32_t color(ColorId id) const { return colors[static_cast<size_t>(id)]; }
  int32_t metric(MetricId id) const { return metrics[static_cast<size_t>(id)]; }
  const Font& font(FontId id) const { return fonts[static_cast<size_t>(id)]; }
  const Bitmap& bitmap(BitmapId id) const { return bitmaps[static_cast<size_t>(id)]; }
  uint32_t& color(ColorId id) { return colors[static_cast<size_t>(id)]; }
  int32_t& metric(MetricId id) { return metrics[static_cast<size_t>(id)]; }
  Font& font(FontId id) { return fonts[static_cast<size_t>(id)]; }
  Bitmap& bitmap(BitmapId id) { return bitmaps[static_cast<size_t>(id)]; }
};

// Allowed range of every metric; a payload outside it is rejected.
struct MetricRange {
  int32_t min, max;
};
constexpr MetricRange kMetricRanges[kMetricCount] = {
    {16, 64}, {1, 16}, {0, 16}, {12, 64}, {10, 48}, {0, 16}, {0, 48},
    {0, 32},  {0, 32}, {0, 32}, {0, 255}, {9, 32},  {0, 12},
};

}  // namespace orv::skin
