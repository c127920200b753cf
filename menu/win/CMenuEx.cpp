#include "menu/win/CMenuEx.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "menu/core/MenuItemText.h"
#include "menu/core/SidePicture.h"
#include "menu/win/GdiTools.h"
#include "menu/win/HostLink.h"
#include "runtime/win/Gbk.h"

namespace menu::win {

namespace {

constexpr uint8_t kSelectionAlpha = 220;
constexpr int kCheckMarkSize = 13;

bool IsOurs(ULONG_PTR data) { return data >= kFirstItemId && data <= kLastItemId; }

// Text sizes in the menu font, on a screen device context.
class FontMeasurer : public TextMeasurer {
 public:
  explicit FontMeasurer(HFONT font) : screen_(nullptr), selected_(screen_.Get(), font) {}
  TextSize Measure(const std::string& text) const override {
    std::wstring w = rt::win::GbkToWide(text);
    SIZE s{0, 0};
    if (w.empty()) {
      TEXTMETRICW tm{};
      GetTextMetricsW(screen_.Get(), &tm);
      return TextSize{0, int(tm.tmHeight)};
    }
    GetTextExtentPoint32W(screen_.Get(), w.c_str(), int(w.size()), &s);
    return TextSize{int(s.cx), int(s.cy)};
  }

 private:
  rt::win::WindowDc screen_;
  rt::win::SelectedObject selected_;
};

}  // namespace

LOGFONTW SystemMenuFont() {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  LOGFONTW lf{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
    lf = ncm.lfMenuFont;
  else
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  if (lf.lfCharSet == GB2312_CHARSET) return lf;
  // Every caption is Chinese. A menu font without Chinese characters gets its glyphs
  // from a stand-in face whose characters may not fit the font's cell (their tops are
  // cut off): take the Chinese menu face at its usual 9 points instead.
  lf.lfCharSet = GB2312_CHARSET;
  lf.lfHeight = -12;
  lf.lfWidth = 0;
  std::wstring face = rt::win::GbkToWide("宋体");
  std::memcpy(lf.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
  return lf;
}

CMenuEx::CMenuEx() {
  rt::win::WindowDc screen(nullptr);
  screen_.Reset(
      CreateCompatibleBitmap(screen.Get(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  SetFont(SystemMenuFont());
}

CMenuEx::~CMenuEx() = default;

void CMenuEx::SetFont(const LOGFONTW& font) {
  HFONT made = CreateFontIndirectW(&font);
  if (!made) return;
  font_.Reset(made);
  logFont_ = font;
}

void CMenuEx::SetSidePictures(const std::vector<SidePictureData>& pictures) {
  for (const SidePictureData& d : pictures) {
    rt::win::ScopedBitmap bmp(PictureToBitmap(d.bitmap.data(), d.bitmap.size()));
    BITMAP info{};
    if (!bmp || !GetObjectW(bmp.Get(), sizeof(info), &info)) continue;
    sidePictures_[d.barItem] =
        SidePicture{std::move(bmp), d.stretch, false, int(info.bmWidth), int(info.bmHeight)};
  }
}

uint32_t CMenuEx::BarColor() const { return OrButtonFace(barBackColor); }

bool CMenuEx::ItemOf(uint32_t identifier, CMenuItemInfo* info, std::string* text) const {
  const rt::MenuItemRecord* rec = ItemRecord(windowId_, identifier);
  if (!rec) return false;
  *text = rec->text ? rec->text : "";
  info->identifier = identifier;
  info->level = rec->level;
  info->flags = IsSeparatorCaption(SplitItemText(*text).caption) ? CMenuItemInfo::kSeparator : 0;
  auto it = itemIcons.find(identifier);
  info->iconIndex = it == itemIcons.end() ? -1 : it->second;
  return true;
}

void CMenuEx::RebuildLayout() {
  std::vector<MenuItemView> items;
  for (uint32_t id = kFirstItemId; id <= kLastItemId; ++id) {
    const rt::MenuItemRecord* rec = ItemRecord(windowId_, id);
    if (!rec) break;
    items.push_back(MenuItemView{id, rec->level, rec->visible != 0, rec->text ? rec->text : ""});
  }
  cache_.Rebuild(items, FontMeasurer(font_.Get()), icons.Height());
}

MeasureContext CMenuEx::Context(const PopupItemLayout* layout) const {
  MeasureContext ctx;
  ctx.iconWidth = icons.Width();
  ctx.iconHeight = icons.Height();
  ctx.sidePictureWidth = layout ? SidePictureWidth(*layout) : 0;
  ctx.twoSpacesWidth = FontMeasurer(font_.Get()).Measure("  ").width;
  ctx.oldFamily = oldFamily;
  return ctx;
}

int CMenuEx::SidePictureWidth(const PopupItemLayout& layout) const {
  auto it = layout.barItem ? sidePictures_.find(layout.barItem) : sidePictures_.end();
  return it == sidePictures_.end() ? 0 : it->second.width;
}

//--- Measuring ------------------------------------------------------------------------

bool CMenuEx::Measure(MEASUREITEMSTRUCT* mis) {
  if (!mis || mis->CtlType != ODT_MENU || !IsOurs(mis->itemData)) return false;
  CMenuItemInfo info;
  std::string text;
  uint32_t id = uint32_t(mis->itemData);
  if (!ItemOf(id, &info, &text)) return false;
  // The first item, or the first of a pop-up: the menu may have changed since.
  CMenuItemInfo before;
  std::string beforeText;
  if (id == kFirstItemId || (!info.IsBarItem() && ItemOf(id - 1, &before, &beforeText) && before.IsBarItem()))
    RebuildLayout();

  ItemText t = SplitItemText(text);
  FontMeasurer measure(font_.Get());
  if (info.IsSeparator()) {
    mis->itemWidth = 0;
    mis->itemHeight = kSeparatorHeight;
  } else if (info.IsBarItem()) {
    mis->itemWidth = UINT(std::max(0, BarItemWidth(measure.Measure(DisplayedText(t.caption)).width)));
    mis->itemHeight = 0;
  } else {
    const PopupItemLayout* layout = cache_.Find(id);
    PopupItemLayout none;
    if (!layout) layout = &none;
    int textHeight = measure.Measure(DisplayedText(t.caption)).height;
    mis->itemWidth = UINT(std::max(0, PopupItemWidth(*layout, Context(layout))));
    mis->itemHeight = UINT(PopupItemHeight(false, textHeight, icons.Height()));
  }
  return true;
}

//--- Drawing ---------------------------------------------------------------------------

bool CMenuEx::Draw(const DRAWITEMSTRUCT* dis) {
  if (!dis || dis->CtlType != ODT_MENU || !IsOurs(dis->itemData)) return false;
  CMenuItemInfo info;
  std::string text;
  if (!ItemOf(uint32_t(dis->itemData), &info, &text)) return false;
  RECT target = dis->rcItem;
  if (info.IsBarItem()) OffsetRect(&target, 1, 0);
  int w = target.right - target.left, h = target.bottom - target.top;
  if (w <= 0 || h <= 0) return true;
  BitmapDc mem(dis->hDC, screen_.Get());
  if (!mem.Ok()) return true;
  RECT r{0, 0, w, h};
  if (info.IsBarItem())
    DrawBarItem(mem.Get(), r, SplitItemText(text).caption, dis->itemState);
  else
    DrawPopupItem(mem.Get(), r, info, text, dis->itemState, dis->rcItem.top);
  BitBlt(dis->hDC, target.left, target.top, w, h, mem.Get(), 0, 0, SRCCOPY);
  if ((dis->itemState & (ODS_SELECTED | ODS_HOTLIGHT)) && onHighlight) onHighlight(info.identifier);
  return true;
}

void CMenuEx::DrawText(HDC dc, const std::string& text, RECT r, UINT format, uint32_t color) {
  std::wstring w = rt::win::GbkToWide(text);
  rt::win::SelectedObject selected(dc, font_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  DrawTextW(dc, w.c_str(), int(w.size()), &r, format | DT_SINGLELINE | DT_VCENTER);
}

void CMenuEx::DrawBarItem(HDC dc, const RECT& r, const std::string& caption, UINT state) {
  uint32_t bar = BarColor();
  FillSolid(dc, r, bar);
  bool disabled = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
  if (!disabled && (state & ODS_SELECTED)) {
    FillGradient(dc, RECT{r.left + 1, r.top + 1, r.right - 4, r.bottom - 1}, colors.Get(kIconStripStart),
                 colors.Get(kIconStripEnd), true);
    FrameSolid(dc, RECT{r.left, r.top, r.right - 3, r.bottom}, Lighten(colors.Get(kFrame), 0.2));
    BarShadowShades s = BarShadow(bar);
    FillGradient(dc, RECT{r.right - 3, r.bottom - 13, r.right, r.bottom}, s.lowLeft, s.lowRight, false);
    FillCornerShaded(dc, RECT{r.right - 3, r.bottom - 16, r.right, r.bottom - 13}, s.corner);
  } else if (!disabled && (state & ODS_HOTLIGHT)) {
    FillGradient(dc, RECT{r.left + 1, r.top + 1, r.right - 4, r.bottom - 1}, colors.Get(kHotStart),
                 colors.Get(kHotEnd), true);
    FrameSolid(dc, RECT{r.left, r.top, r.right - 3, r.bottom}, colors.Get(kFrame));
  }
  DrawText(dc, caption, RECT{r.left, r.top, r.right - 3, r.bottom}, DT_CENTER,
           colors.Get(disabled ? kDisabledText : kMenuText));
}

void CMenuEx::DrawPopupItem(HDC dc, RECT r, const CMenuItemInfo& info, const std::string& text, UINT state,
                            int itemTop) {
  const PopupItemLayout* found = cache_.Find(info.identifier);
  PopupItemLayout layout = found ? *found : PopupItemLayout{};
  if (int side = SidePictureWidth(layout)) {
    DrawSidePicture(dc, RECT{r.left, r.top, r.left + side, r.bottom}, layout, itemTop);
    r.left += side;
  }
  int iconW = icons.Width();
  RECT strip{r.left, r.top, r.left + iconW + 6, r.bottom};
  FillGradient(dc, strip, colors.Get(kIconStripStart), colors.Get(kIconStripEnd), false);
  FillSolid(dc, RECT{strip.right, r.top, r.right, r.bottom}, colors.Get(kMenuBack));
  if (info.IsSeparator()) {
    bool plain = colors.Get(kIconStripStart) == colors.Get(kMenuBack) &&
                 colors.Get(kIconStripEnd) == colors.Get(kMenuBack);
    FillSolid(dc, RECT{SeparatorLeft(r.left, iconW, plain), r.top + 1, r.right, r.top + 2},
              colors.Get(kSeparator));
    return;
  }
  bool disabled = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
  if (!disabled && (state & ODS_SELECTED)) {
    BlendSolid(dc, r, colors.Get(kSelectedFill), kSelectionAlpha);
    FrameSolid(dc, r, colors.Get(kFrame));
  }
  ItemText t = SplitItemText(text);
  TextColumns cols = PopupTextColumns(r.left, r.right, layout, Context(&layout));
  uint32_t color = colors.Get(disabled ? kDisabledText : kMenuText);
  DrawText(dc, t.caption,
           RECT{cols.captionLeft, r.top, std::max<LONG>(cols.captionRight, r.right - 16), r.bottom}, DT_LEFT,
           color);
  if (cols.hasShortcutColumn && !t.shortcut.empty())
    DrawText(dc, t.shortcut,
             RECT{cols.shortcutLeft, r.top, std::max<LONG>(cols.shortcutRight, r.right), r.bottom},
             DT_LEFT | DT_NOPREFIX, color);
  DrawIconCell(dc, r, info, state);
}

void CMenuEx::DrawIconCell(HDC dc, const RECT& r, const CMenuItemInfo& info, UINT state) {
  bool hasIcon = icons.Has(info.iconIndex);
  bool checked = (state & ODS_CHECKED) != 0;
  if (!hasIcon && !checked) return;
  bool disabled = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
  bool selected = (state & ODS_SELECTED) != 0 && !disabled;
  RECT cell{r.left, r.top + 1, r.left + icons.Width() + 6 - 1, r.bottom - 1};
  int x = cell.left + (cell.right - cell.left - icons.Width()) / 2;
  int y = cell.top + (cell.bottom - cell.top - icons.Height()) / 2;
  if (checked) {
    uint32_t fill = colors.Get(kSelectedFill);
    FillSolid(dc, cell, selected ? Lighten(fill, 0.5) : fill);
    FrameSolid(dc, cell, colors.Get(kFrame));
    if (hasIcon) {
      icons.Draw(dc, info.iconIndex, x, y, disabled ? MenuIcons::Look::kFaded : MenuIcons::Look::kNormal, 0);
      return;
    }
    // The system's check mark, black on white, laid on the box.
    BitmapDc mark(dc, kCheckMarkSize, kCheckMarkSize);
    if (!mark.Ok()) return;
    RECT mr{0, 0, kCheckMarkSize, kCheckMarkSize};
    FillSolid(mark.Get(), mr, RGB(255, 255, 255));
    DrawFrameControl(mark.Get(), &mr, DFC_MENU, DFCS_MENUCHECK);
    BitBlt(dc, cell.left + (cell.right - cell.left - kCheckMarkSize) / 2,
           cell.top + (cell.bottom - cell.top - kCheckMarkSize) / 2, kCheckMarkSize, kCheckMarkSize,
           mark.Get(), 0, 0, SRCAND);
  } else if (selected) {
    icons.Draw(dc, info.iconIndex, x, y, MenuIcons::Look::kShadow, Darken(colors.Get(kSelectedFill), 0.2));
    icons.Draw(dc, info.iconIndex, x - 1, y - 1, MenuIcons::Look::kNormal, 0);
  } else {
    icons.Draw(dc, info.iconIndex, x, y, disabled ? MenuIcons::Look::kFaded : MenuIcons::Look::kNormal, 0);
  }
}

void CMenuEx::DrawSidePicture(HDC dc, const RECT& strip, const PopupItemLayout& layout, int itemTop) {
  SidePicture& pic = sidePictures_[layout.barItem];
  if (!pic.bitmap) return;
  if (SidePictureNeedsPreparing(pic.prepared, pic.stretch, pic.height, layout.popupHeight)) {
    SidePicturePlan plan = PlanSidePicture(pic.height, layout.popupHeight, pic.stretch);
    HBITMAP made = CreateCompatibleBitmap(dc, pic.width, std::max(1, plan.height));
    if (!made) return;
    {
      BitmapDc src(dc, pic.bitmap.Get()), dst(dc, made);
      if (plan.stretched) {
        SetStretchBltMode(dst.Get(), COLORONCOLOR);
        StretchBlt(dst.Get(), 0, 0, pic.width, plan.height, src.Get(), 0, 0, pic.width, pic.height, SRCCOPY);
      } else {
        for (int k = 0; k < plan.tileCount; ++k)  // from the bottom up
          BitBlt(dst.Get(), 0, plan.height - (k + 1) * pic.height, pic.width, pic.height, src.Get(), 0, 0,
                 SRCCOPY);
      }
    }
    pic.bitmap.Reset(made);
    pic.height = plan.height;
    pic.prepared = true;
  }
  BitmapDc src(dc, pic.bitmap.Get());
  int srcY = SidePictureSliceTop(pic.height, layout.popupHeight, itemTop, pic.stretch);
  BitBlt(dc, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top, src.Get(), 0, srcY,
         SRCCOPY);
}

//--- The bar beyond its items --------------------------------------------------------

void CMenuEx::FillBarRemainder() {
  HMENU menu = Menu();
  int count = menu ? GetMenuItemCount(menu) : 0;
  if (count <= 0) return;
  MENUBARINFO bar{};
  bar.cbSize = sizeof(bar);
  RECT last{}, win{}, client{};
  if (!GetMenuBarInfo(window_, OBJID_MENU, 0, &bar) ||
      !GetMenuItemRect(window_, menu, UINT(count - 1), &last))
    return;
  GetWindowRect(window_, &win);
  GetClientRect(window_, &client);
  MapWindowPoints(window_, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  RECT fill{last.right - win.left, bar.rcBar.top - win.top, client.right - win.left,
            bar.rcBar.bottom - win.top};
  if (fill.right <= fill.left) return;
  rt::win::WindowDc dc(window_, rt::win::WindowDc::kWholeWindow);
  FillSolid(dc.Get(), fill, BarColor());
}

}  // namespace menu::win
