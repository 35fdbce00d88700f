#include "pic_box.h"

#include "win_handles.h"
#include "window_class.h"

namespace orv {

bool PicBox::registerClass(HINSTANCE instance) {
  // No background brush: WM_PAINT paints the whole box.
  return registerWindowClass(instance, kClassName, windowProc, LoadCursor(nullptr, IDC_ARROW));
}

void PicBox::setPicture(HWND hwnd, BytesView bytes) {
  picture_.reset();
  scaled_.reset();
  if (bytes.data && bytes.size) picture_ = decodePicture(bytes.data, bytes.size);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void PicBox::paint(HWND hwnd) {
  PaintScope ps(hwnd);
  RECT area;
  GetClientRect(hwnd, &area);
  FillRect(ps.dc(), &area, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture_) return;
  const DecodedPicture& pic = *picture_;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = pic.width;
  info.bmiHeader.biHeight = -pic.height;  // rows are stored top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  if (scaling_ == PictureScaling::Stretch) {
    if (!scaled_.get() || scaledSize_.cx != area.right || scaledSize_.cy != area.bottom) {
      scaled_.reset(CreateCompatibleBitmap(ps.dc(), area.right, area.bottom));
      scaledSize_ = SIZE{area.right, area.bottom};
      MemoryDC memory(ps.dc());
      SelectScope select(memory.get(), scaled_.get());
      // Smooth stretching only where the display has the colours for it.
      const bool deep = GetDeviceCaps(ps.dc(), BITSPIXEL) > 16;
      SetStretchBltMode(memory.get(), deep ? HALFTONE : COLORONCOLOR);
      SetBrushOrgEx(memory.get(), 0, 0, nullptr);
      StretchDIBits(memory.get(), 0, 0, area.right, area.bottom, 0, 0, pic.width, pic.height,
                    pic.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    MemoryDC memory(ps.dc());
    SelectScope select(memory.get(), scaled_.get());
    BitBlt(ps.dc(), 0, 0, area.right, area.bottom, memory.get(), 0, 0, SRCCOPY);
  } else {
    SetDIBitsToDevice(ps.dc(), 0, 0, pic.width, pic.height, 0, 0, 0, pic.height, pic.pixels.data(),
                      &info, DIB_RGB_COLORS);
  }
}

LRESULT CALLBACK PicBox::windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = windowObject<PicBox>(hwnd, message, lparam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (self) {
        self->paint(hwnd);
        return 0;
      }
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace orv
