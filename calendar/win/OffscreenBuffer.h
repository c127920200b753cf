// Double buffering: a memory context with a bitmap the size of the target, drawn into
// and then copied to the target in one piece.
#pragma once

#include <windows.h>

namespace cal::win {

class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, int width, int height);
  ~OffscreenBuffer();
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

  // Null when the buffer could not be made: callers then draw straight to the target.
  HDC Dc() const { return dc_; }
  void CopyTo(HDC target) const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int width_, height_;
};

}  // namespace cal::win
