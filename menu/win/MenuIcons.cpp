#include "menu/win/MenuIcons.h"

#include "menu/core/MenuUnitData.h"
#include "menu/win/GdiTools.h"
#include "menu/win/HostLink.h"

namespace menu::win {

constexpr uint8_t kFadedAlpha = 90;

uint32_t KeyColorOf(uint32_t stored) { return stored == kUnsetColor ? RGB(255, 0, 255) : stored; }

MenuIcons::~MenuIcons() {
  if (list_) ImageList_Destroy(list_);
}

void MenuIcons::Load(const std::vector<uint8_t>& data, uint32_t keyColor) {
  if (list_) ImageList_Destroy(list_);
  list_ = nullptr;
  width_ = 16;
  height_ = 15;
  data_ = data;
  IconStripHeader h;
  if (!ReadIconStripHeader(data.data(), data.size(), &h)) return;
  rt::win::ScopedBitmap strip(PictureToBitmap(data.data() + h.pictureOffset, data.size() - h.pictureOffset));
  if (!strip) return;
  list_ = ImageList_Create(int(h.width), int(h.height), ILC_COLOR24 | ILC_MASK, 8, 8);
  if (list_) ImageList_AddMasked(list_, strip.Get(), KeyColorOf(keyColor));
  if (list_ && ImageList_GetImageCount(list_) > 0) {
    width_ = int(h.width);
    height_ = int(h.height);
  }
}

void MenuIcons::Draw(HDC dc, int index, int x, int y, Look look, uint32_t shadowColor) const {
  if (!Has(index)) return;
  if (look == Look::kNormal) {
    ImageList_Draw(list_, index, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  if (look == Look::kFaded) {
    // The icon over a copy of what lies beneath, laid back at a low constant alpha.
    BitmapDc tmp(dc, width_, height_);
    if (!tmp.Ok()) return;
    BitBlt(tmp.Get(), 0, 0, width_, height_, dc, x, y, SRCCOPY);
    ImageList_Draw(list_, index, tmp.Get(), 0, 0, ILD_TRANSPARENT);
    BLENDFUNCTION bf{AC_SRC_OVER, 0, kFadedAlpha, 0};
    AlphaBlend(dc, x, y, width_, height_, tmp.Get(), 0, 0, width_, height_, bf);
    return;
  }
  // Shadow: the icon's mask paints the shadow colour where the icon has pixels.
  rt::win::ScopedBitmap mono(CreateBitmap(width_, height_, 1, 1, nullptr));
  BitmapDc mask(dc, mono.Get());
  if (!mask.Ok()) return;
  ImageList_Draw(list_, index, mask.Get(), 0, 0, ILD_MASK);
  rt::win::ScopedBrush brush(CreateSolidBrush(shadowColor));
  rt::win::SelectedObject selectedBrush(dc, brush.Get());
  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, width_, height_, mask.Get(), 0, 0, 0x00B8074A);  // brush where the mask is black
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBk);
}

}  // namespace menu::win
