// Double buffering: a memory context with a bitmap the size of the target, drawn into
// and then copied to the target in one piece.
#pragma once

#include <windows.h>

#include "runtime/win/ScopedGdi.h"

namespace cal::win {

class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, int width, int height)
      : buffer_(target, width, height), width_(width), height_(height) {}

  // Null when the buffer could not be made: callers then draw straight to the target.
  HDC Dc() const { return buffer_.Ok() ? buffer_.Get() : nullptr; }
  void CopyTo(HDC target) const {
    if (buffer_.Ok()) BitBlt(target, 0, 0, width_, height_, buffer_.Get(), 0, 0, SRCCOPY);
  }

 private:
  rt::win::BitmapDc buffer_;
  int width_, height_;
};

}  // namespace cal::win
