// CMenuEx: the owner-drawn menu of one window. It holds the look (colours, font, icons,
// item icons, side pictures), the layout cache and the off-screen bitmap, and answers
// the window's measure and draw requests for items whose data is 20000..21000.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "menu/core/MenuColors.h"
#include "menu/core/MenuLayoutCache.h"
#include "menu/core/MenuUnitData.h"
#include "menu/win/CMenuItemInfo.h"
#include "menu/win/MenuIcons.h"
#include "runtime/win/ScopedGdi.h"

namespace menu::win {

class CMenuEx {
 public:
  CMenuEx();
  ~CMenuEx();
  CMenuEx(const CMenuEx&) = delete;
  CMenuEx& operator=(const CMenuEx&) = delete;

  // The window whose menu this is (its runtime id); set at takeover.
  void Attach(uint32_t windowId, HWND window) {
    windowId_ = windowId;
    window_ = window;
  }
  HMENU Menu() const { return window_ ? GetMenu(window_) : nullptr; }

  //--- Look
  MenuColorSet colors;
  uint32_t barBackColor = kUnsetColor;
  uint32_t iconKeyColor = kUnsetColor;
  ItemIconMap itemIcons;
  MenuIcons icons;
  bool oldFamily = false;
  // Called with the identifier of an item drawn selected or hot.
  std::function<void(uint32_t)> onHighlight;

  void SetFont(const LOGFONTW& font);
  const LOGFONTW& Font() const { return logFont_; }
  void SetSidePictures(const std::vector<SidePictureData>& pictures);
  uint32_t BarColor() const;

  //--- Requests
  void RebuildLayout();
  bool Measure(MEASUREITEMSTRUCT* mis);
  bool Draw(const DRAWITEMSTRUCT* dis);
  // Fills the bar right of its last item with the bar colour.
  void FillBarRemainder();
  const MenuLayoutCache& ItemLayouts() const { return cache_; }

 private:
  struct SidePicture {
    rt::win::ScopedBitmap bitmap;
    bool stretch = false, prepared = false;
    int width = 0, height = 0;
  };
  bool ItemOf(uint32_t identifier, CMenuItemInfo* info, std::string* text) const;
  void DrawBarItem(HDC dc, const RECT& r, const std::string& caption, UINT state);
  void DrawPopupItem(HDC dc, RECT r, const CMenuItemInfo& info, const std::string& text, UINT state,
                     int itemTop);
  int SidePictureWidth(const PopupItemLayout& layout) const;
  void DrawSidePicture(HDC dc, const RECT& strip, const PopupItemLayout& layout, int itemTop);
  void DrawIconCell(HDC dc, const RECT& r, const CMenuItemInfo& info, UINT state);
  void DrawText(HDC dc, const std::string& text, RECT r, UINT format, uint32_t color);
  MeasureContext Context(const PopupItemLayout* layout) const;

  uint32_t windowId_ = 0;
  HWND window_ = nullptr;
  LOGFONTW logFont_{};
  rt::win::ScopedFont font_;
  rt::win::ScopedBitmap screen_;  // off-screen bitmap the size of the screen
  MenuLayoutCache cache_;
  std::map<uint32_t, SidePicture> sidePictures_;
};

// The system menu font of the non-client metrics.
LOGFONTW SystemMenuFont();

}  // namespace menu::win
