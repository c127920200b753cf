// The page painter: maps a context to the logical page and executes the page plan of
// the layout (title, header columns, header rows, body, footer). Paper and preview
// differ only in how the surface is measured and where the page's origin lies.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "grid/core/GridModel.h"
#include "grid/core/NumberText.h"
#include "grid/win/CellPainter.h"
#include "grid/win/GridPrinting.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

using rt::win::ScopedFont;
using rt::win::SelectedObject;

namespace {

// Tenths of a millimetre per pixel of a 96 dpi screen.
constexpr float kStandardScreenScale = 254.0f / 96.0f;

float ScreenScaleOf(HDC dc) {
  int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
  return dpi > 0 ? 254.0f / float(dpi) : kStandardScreenScale;
}

LOGFONTW PrintTextLogFont() {
  LOGFONTW lf = {};
  lf.lfHeight = -10;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_CHARACTER_PRECIS;
  lf.lfClipPrecision = CLIP_CHARACTER_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  wcscpy(lf.lfFaceName, L"Arial");
  return lf;
}

UINT AlignFlag(BandAlign a) {
  return a == BandAlign::kLeft ? DT_LEFT : a == BandAlign::kRight ? DT_RIGHT : DT_CENTER;
}

void DrawGbk(HDC dc, const std::string& text, RECT rect, UINT flags) {
  std::wstring wide = rt::win::GbkToWide(text);
  DrawTextW(dc, wide.c_str(), int(wide.size()), &rect, flags);
}

RECT ToRect(const PageRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

GridPagePainter::~GridPagePainter() = default;

HFONT GridPagePainter::MakeFont(const LOGFONTW& base, const std::string& face, int height, int weight) const {
  LOGFONTW lf = base;
  if (!face.empty()) {
    std::wstring wide = rt::win::GbkToWide(face);
    wcsncpy(lf.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
  }
  lf.lfHeight = height;
  lf.lfWeight = weight;
  return CreateFontIndirectW(&lf);
}

void GridPagePainter::BeginPrintJob(HDC dc, PageInfo* info) {
  if (!dc || !info) return;
  rt::win::WindowDc screenDc(nullptr);
  HDC screen = screenDc.Get();
  if (!screen) return;
  LOGFONTW lf = PrintTextLogFont();
  printTextFont_.Reset(CreateFontIndirectW(&lf));
  SelectedObject selectedFont(dc, printTextFont_.Get());

  PageSurface surface;
  if (!previewMode_) {
    // The metric mapping gives tenths of a millimetre against printer pixels.
    SetMapMode(dc, MM_LOMETRIC);
    SetMapMode(dc, MM_ANISOTROPIC);
    SIZE window, viewport;
    GetWindowExtEx(dc, &window);
    GetViewportExtEx(dc, &viewport);
    surface.metricX = {std::abs(int(window.cx)), std::abs(int(viewport.cx))};
    surface.metricY = {std::abs(int(window.cy)), std::abs(int(viewport.cy))};
    surface.deviceWidth = GetDeviceCaps(dc, HORZRES);
    surface.deviceHeight = GetDeviceCaps(dc, VERTRES);
    surface.printableWidthTenths = DeviceToLogical(surface.deviceWidth, surface.metricX);
    float scale = grid_.ScreenScale();
    surface.screenScale = scale > 0 ? scale : ScreenScaleOf(screen);
  } else {
    // The preview has mapped its context already: tenths of a millimetre at its zoom.
    SIZE window, viewport;
    GetWindowExtEx(dc, &window);
    GetViewportExtEx(dc, &viewport);
    surface.metricX = {std::abs(int(window.cx)), std::abs(int(viewport.cx))};
    surface.metricY = {std::abs(int(window.cy)), std::abs(int(viewport.cy))};
    grid_.SetScreenScale(ScreenScaleOf(dc));
    surface.screenScale = grid_.ScreenScale();
    surface.deviceWidth = LogicalToDevice(preview_.printableWidth, surface.metricX);
    surface.deviceHeight = LogicalToDevice(preview_.printableHeight, surface.metricY);
    surface.printableWidthTenths = preview_.printableWidth;
  }
  geometry_ = ComputePageGeometry(grid_, surface);
  info->maxPage = geometry_.pageTotal;
  info->currentPage = 1;
}

void GridPagePainter::MapPage(HDC dc) const {
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowExtEx(dc, std::max(1, geometry_.width), std::max(1, geometry_.height), nullptr);
  SetViewportExtEx(dc, std::max(1, geometry_.deviceWidth), std::max(1, geometry_.deviceHeight), nullptr);
  // An offset the options ask for moves everything printed, on paper as in the preview.
  POINT origin = previewMode_ ? preview_.origin : POINT{0, 0};
  SetViewportOrgEx(dc, origin.x + geometry_.offsetX, origin.y + geometry_.offsetY, nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
}

void GridPagePainter::PrintPage(HDC dc, PageInfo* info) {
  if (!dc || !info || !geometry_.valid) return;
  SelectedObject selectedFont(dc, printTextFont_.Get());
  MapPage(dc);
  PagePlan plan = PlanPage(grid_, geometry_, info->currentPage);
  info->draw = ToRect(plan.title);
  PrintTitleBand(dc, plan.title);
  const PrintOptions& options = grid_.Options();
  if (plan.subtitle.bottom > plan.subtitle.top) PrintLine(dc, options.subtitle, plan.subtitle, DT_CENTER);

  const GridSettings& s = grid_.Settings();
  {
    rt::win::ScopedPen pen(CreatePen(PS_SOLID, s.lineWidth, s.lineColor));
    SelectedObject selectedPen(dc, pen.Get());
    for (const PageItem& item : plan.items) {
      if (item.kind == PageItem::kCell) {
        PrintCellContent(dc, item.row, item.col, item.rect, item.fixedRow);
      } else {
        MoveToEx(dc, item.rect.left, item.rect.top, nullptr);
        LineTo(dc, item.rect.right, item.rect.bottom);
      }
    }
  }

  if (plan.sign.bottom > plan.sign.top) PrintLine(dc, options.signLine, plan.sign, DT_LEFT);
  if (plan.hasFooter) {
    info->draw = ToRect(plan.footer);
    PrintFooterBand(dc, plan.footer, *info);
  }
  SetWindowOrgEx(dc, 0, 0, nullptr);
}

void GridPagePainter::EndPrintJob(HDC, PageInfo*) { printTextFont_.Reset(); }

void GridPagePainter::PrintTitleBand(HDC dc, const PageRect& band) {
  const PrintTitle& title = grid_.Title();
  if (title.text.empty()) return;
  ScopedFont font(MakeFont(PrintTextLogFont(), title.face, title.size, title.bold ? FW_BOLD : FW_NORMAL));
  SelectedObject selected(dc, font.Get());
  int mode = SetBkMode(dc, TRANSPARENT);
  DrawGbk(dc, title.text, ToRect(band),
          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | AlignFlag(TitleAlign(title.alignment)));
  SetBkMode(dc, mode);
}

void GridPagePainter::PrintFooterBand(HDC dc, const PageRect& band, const PageInfo& info) {
  const GridSettings& s = grid_.Settings();
  std::string pageText, dateText;
  // Sheets under print options that run to several carry their numbers in any case.
  int pageNo = s.printPageNo == 0 && geometry_.sheets && info.maxPage > 1 ? 2 : s.printPageNo;
  if (pageNo > 0) pageText = PageNumberText(info.currentPage, info.maxPage);
  if (s.printDate > 0) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    dateText = DateText(now.wYear, now.wMonth, now.wDay);
  }
  ScopedFont font(MakeFont(PrintTextLogFont(), "", -10, FW_BOLD));
  SelectedObject selected(dc, font.Get());
  int mode = SetBkMode(dc, TRANSPARENT);
  COLORREF colour = SetTextColor(dc, RGB(0, 0, 0));
  const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (!pageText.empty()) DrawGbk(dc, pageText, ToRect(band), flags | AlignFlag(PageNumberAlign(pageNo)));
  if (!dateText.empty()) DrawGbk(dc, dateText, ToRect(band), flags | AlignFlag(DateAlign(s.printDate)));
  SetTextColor(dc, colour);
  SetBkMode(dc, mode);
}

void GridPagePainter::PrintLine(HDC dc, const std::string& text, const PageRect& band, UINT align) {
  LOGFONTW lf = ToLogFontW(grid_.GridFont());
  ScopedFont font(CreateFontIndirectW(&lf));
  SelectedObject selected(dc, font.Get());
  int mode = SetBkMode(dc, TRANSPARENT);
  DrawGbk(dc, text, ToRect(band), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
  SetBkMode(dc, mode);
}

void GridPagePainter::PrintCellContent(HDC dc, int row, int col, const PageRect& rect, bool fixedRow) {
  const CGridCell* cell = grid_.Cell(row, col);
  if (!cell) return;
  const GridSettings& s = grid_.Settings();
  RECT r = ToRect(rect);
  r.right += 1;  // the page rectangle's right and bottom are the cell's last units
  r.bottom += 1;
  if (cell->GetBkColor() != kNoColor) {
    rt::win::ScopedBrush brush(CreateSolidBrush(cell->GetBkColor()));
    FillRect(dc, &r, brush.Get());
  }
  bool header = fixedRow || col < grid_.HeadColCount();
  Colour text = cell->GetTextColor() != kNoColor ? cell->GetTextColor()
                : header                         ? s.fixedTextColor
                                                 : s.textColor;

  // Diagonals run corner to corner in the page's line pen, as on screen.
  DrawDiagonal(dc, r, cell->GetDiagonal());

  // The cell margin, tenths of a millimetre, in page units.
  float scale = grid_.ScreenScale() > 0 ? grid_.ScreenScale() : kStandardScreenScale;
  int margin = int(float(cell->GetMargin()) / scale);
  InflateRect(&r, -margin, -margin);

  // Column kinds shape the body cells only; fixed rows keep their captions.
  const ColumnKindEntry* k = fixedRow ? nullptr : grid_.FindColumnKind(col);
  if (k && k->kind == kind::kPicture) {
    // Page units stand for screen pixels, so the picture keeps its size on screen.
    DrawPicture(dc, reinterpret_cast<HBITMAP>(cell->GetBitmap()), r, k->pictureMode);
    return;
  }
  std::string content = cell->GetText();
  UINT flags = cell->GetFormat() | DT_NOPREFIX;
  const std::string* replaced = grid_.Options().active ? grid_.Options().CellText(row, col) : nullptr;
  if (replaced) {
    content = *replaced;  // printed as given, whatever the column's kind
  } else if (fixedRow) {
    flags |= DT_NOCLIP;
  } else if (k && k->kind == kind::kDate) {
    content = DateCellText(content, k->dateFormat);
  } else if (grid_.IsKindColumn(col, kind::kCheck)) {
    if (!cell->GetCheck()) return;
    content = "√";
    flags = DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP;
  } else if (grid_.IsNumberColumn(col)) {
    int places = grid_.DecimalPlaces(col);
    if (!content.empty() && places >= 0 && places <= 9) content = FormatFixed(LeadingNumber(content), places);
  }
  if (content.empty()) return;

  LOGFONTW lf = ToLogFontW(cell->GetFont() ? *cell->GetFont() : grid_.GridFont());
  ScopedFont font(CreateFontIndirectW(&lf));
  SelectedObject selected(dc, font.Get());
  int mode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = SetTextColor(dc, text);
  DrawGbk(dc, content, r, flags);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, mode);
}

}  // namespace grid::win
