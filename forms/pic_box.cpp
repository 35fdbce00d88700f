#include "pic_box.h"

#include "win_handles.h"

namespace orv {

bool PicBox::registerClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;  // painted whole in WM_PAINT
  wc.lpszClassName = kClassName;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
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
      HDC memory = CreateCompatibleDC(ps.dc());
      {
        SelectScope select(memory, scaled_.get());
        // Smooth stretching only where the display has the colours for it.
        const bool deep = GetDeviceCaps(ps.dc(), BITSPIXEL) > 16;
        SetStretchBltMode(memory, deep ? HALFTONE : COLORONCOLOR);
        SetBrushOrgEx(memory, 0, 0, nullptr);
        StretchDIBits(memory, 0, 0, area.right, area.bottom, 0, 0, pic.width, pic.height,
                      pic.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
      }
      DeleteDC(memory);
    }
    HDC memory = CreateCompatibleDC(ps.dc());
    {
      SelectScope select(memory, scaled_.get());
      BitBlt(ps.dc(), 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
    }
    DeleteDC(memory);
  } else {
    SetDIBitsToDevice(ps.dc(), 0, 0, pic.width, pic.height, 0, 0, 0, pic.height, pic.pixels.data(),
                      &info, DIB_RGB_COLORS);
  }
}

LRESULT CALLBACK PicBox::windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PicBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (self) {
        self->paint(hwnd);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace orv
