// GDI objects and icons that free themselves, and an off-screen buffer to
// draw into, so that nothing in the window is freed by hand.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace discmenu::win32 {

struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

// A font, brush or bitmap, deleted when it goes.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A memory DC with a bitmap of `width` x `height` compatible with `target`:
// drawn into, then shown on `target` in one copy, so that nothing flickers.
// Both are freed when it goes.
class DoubleBuffer {
 public:
  DoubleBuffer(HDC target, int width, int height)
      : target_(target),
        width_(width),
        height_(height),
        dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        old_(SelectObject(dc_, bitmap_.get())) {}
  ~DoubleBuffer() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  DoubleBuffer(const DoubleBuffer&) = delete;
  DoubleBuffer& operator=(const DoubleBuffer&) = delete;

  HDC dc() const { return dc_; }

  // Copies the buffer, from its logical point `from`, to `at` on the target.
  void Show(POINT at, POINT from) const {
    BitBlt(target_, at.x, at.y, width_, height_, dc_, from.x, from.y, SRCCOPY);
  }

 private:
  HDC target_;
  int width_, height_;
  HDC dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ old_;
};

}  // namespace discmenu::win32
