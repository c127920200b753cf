// Small drawing helpers of the owner-drawn menu: a memory device context that puts its
// selections back, solid fills and frames, two-colour gradients and constant-alpha
// fills. Colours are 0x00BBGGRR values.
#pragma once

#include <windows.h>

#include <cstdint>

namespace menu::win {

// A memory DC compatible with `like`, optionally holding `bitmap` (not owned) or a new
// bitmap of its own of the given size.
class MemoryDc {
 public:
  MemoryDc(HDC like, HBITMAP bitmap);
  MemoryDc(HDC like, int width, int height);
  ~MemoryDc();
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC Handle() const { return dc_; }
  bool Ok() const { return dc_ != nullptr && bitmap_ != nullptr; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HBITMAP owned_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

void FillSolid(HDC dc, const RECT& r, uint32_t color);
void FrameSolid(HDC dc, const RECT& r, uint32_t color);
// From `from` at the left (or top) edge to `to` at the right (or bottom) edge.
void FillGradient(HDC dc, const RECT& r, uint32_t from, uint32_t to, bool vertical);
// A rectangle shaded from one colour at each corner (top left, top right, bottom right,
// bottom left).
void FillCornerShaded(HDC dc, const RECT& r, const uint32_t corner[4]);
// `color` laid over what the rectangle holds, with constant alpha a/255.
void BlendSolid(HDC dc, const RECT& r, uint32_t color, uint8_t alpha);
// The platform colour for an unset (0xFF000000) value: the button face.
uint32_t OrButtonFace(uint32_t color);

}  // namespace menu::win
