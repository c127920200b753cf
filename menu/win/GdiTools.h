// Small drawing helpers of the owner-drawn menu: two-colour gradients and constant-alpha
// fills. Colours are 0x00BBGGRR values.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/win/ScopedGdi.h"

namespace menu::win {

// Memory DCs and solid fills and frames are the shared ones.
using rt::win::BitmapDc;
using rt::win::FillSolid;
using rt::win::FrameSolid;

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
