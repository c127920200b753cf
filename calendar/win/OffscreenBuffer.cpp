#include "calendar/win/OffscreenBuffer.h"

namespace cal::win {

OffscreenBuffer::OffscreenBuffer(HDC target, int width, int height) : width_(width), height_(height) {
  dc_ = CreateCompatibleDC(target);
  if (dc_) bitmap_ = CreateCompatibleBitmap(target, width, height);
  if (!bitmap_) {
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    return;
  }
  previous_ = SelectObject(dc_, bitmap_);
}

OffscreenBuffer::~OffscreenBuffer() {
  if (!dc_) return;
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void OffscreenBuffer::CopyTo(HDC target) const {
  if (dc_) BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace cal::win
