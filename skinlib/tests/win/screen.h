// Screen pixels for the Windows-side tests: a screenshot of the whole screen
// through GetDC(NULL), optionally saved as a BMP file for a person to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace orv::skin::test {

class Screenshot {
 public:
  Screenshot() {
    HDC screen = GetDC(nullptr);
    w_ = GetDeviceCaps(screen, HORZRES);
    h_ = GetDeviceCaps(screen, VERTRES);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w_, -h_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w_, h_, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    px_.assign(p, p + static_cast<size_t>(w_) * h_);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
  }

  // 0x00RRGGBB at screen point (x, y); black outside the screen.
  uint32_t at(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return px_[static_cast<size_t>(y) * w_ + x] & 0xFFFFFF;
  }

  // Writes a bottom-up 24-bit BMP when ORV_SCREENSHOT_DIR names a folder.
  void save(const char* name) const {
    char dir[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("ORV_SCREENSHOT_DIR", dir, sizeof dir)) return;
    const std::string path = std::string(dir) + "\\" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    const int stride = (w_ * 3 + 3) & ~3;
    const uint32_t size = 54 + static_cast<uint32_t>(stride) * h_;
    uint8_t header[54] = {'B', 'M'};
    auto put32 = [&](int at, uint32_t v) {
      for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w_));
    put32(22, static_cast<uint32_t>(h_));
    header[26] = 1;
    header[28] = 24;
    std::fwrite(header, 1, sizeof header, f);
    std::vector<uint8_t> row(static_cast<size_t>(stride));
    for (int y = h_ - 1; y >= 0; --y) {
      for (int x = 0; x < w_; ++x) {
        const uint32_t c = at(x, y);
        row[x * 3] = c & 0xFF;
        row[x * 3 + 1] = (c >> 8) & 0xFF;
        row[x * 3 + 2] = (c >> 16) & 0xFF;
      }
      std::fwrite(row.data(), 1, row.size(), f);
    }
    std::fclose(f);
  }

 private:
  int w_ = 0, h_ = 0;
  std::vector<uint32_t> px_;
};

// Largest difference of one channel.
inline int colourDistance(uint32_t a, uint32_t b) {
  int d = 0;
  for (int s = 0; s < 24; s += 8) {
    const int x = static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF);
    d = std::max(d, std::abs(x));
  }
  return d;
}

inline int brightness(uint32_t c) {
  return ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF);
}

}  // namespace orv::skin::test
