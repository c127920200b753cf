#include "menu/win/GdiTools.h"

#include "menu/core/MenuColors.h"
#include "menu/core/MenuUnitData.h"

namespace menu::win {

namespace {
TRIVERTEX Vertex(LONG x, LONG y, uint32_t c) {
  TRIVERTEX v{};
  v.x = x;
  v.y = y;
  v.Red = VertexChannel(RedOf(c));
  v.Green = VertexChannel(GreenOf(c));
  v.Blue = VertexChannel(BlueOf(c));
  return v;
}
}  // namespace

void FillGradient(HDC dc, const RECT& r, uint32_t from, uint32_t to, bool vertical) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  TRIVERTEX v[2] = {Vertex(r.left, r.top, from), Vertex(r.right, r.bottom, to)};
  GRADIENT_RECT g{0, 1};
  GradientFill(dc, v, 2, &g, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void FillCornerShaded(HDC dc, const RECT& r, const uint32_t corner[4]) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  TRIVERTEX v[4] = {Vertex(r.left, r.top, corner[0]), Vertex(r.right, r.top, corner[1]),
                    Vertex(r.right, r.bottom, corner[2]), Vertex(r.left, r.bottom, corner[3])};
  GRADIENT_TRIANGLE t[2] = {{0, 1, 2}, {0, 2, 3}};
  GradientFill(dc, v, 4, t, 2, GRADIENT_FILL_TRIANGLE);
}

void BlendSolid(HDC dc, const RECT& r, uint32_t color, uint8_t alpha) {
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  BitmapDc src(dc, w, h);
  if (!src.Ok()) return;
  FillSolid(src.Get(), RECT{0, 0, w, h}, color);
  BLENDFUNCTION bf{AC_SRC_OVER, 0, alpha, 0};
  AlphaBlend(dc, r.left, r.top, w, h, src.Get(), 0, 0, w, h, bf);
}

uint32_t OrButtonFace(uint32_t color) { return color == kUnsetColor ? GetSysColor(COLOR_BTNFACE) : color; }

}  // namespace menu::win
