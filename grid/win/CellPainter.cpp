// One cell's drawing, step by step: colours, fill, focus frame or selection, header
// borders and bold focus headers, diagonals, margin, content by column kind.
#include "grid/win/CellPainter.h"

#include <algorithm>
#include <cstring>

#include "grid/core/DateText.h"
#include "grid/core/GridLayout.h"
#include "runtime/win/Font.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

using rt::win::BitmapDc;
using rt::win::SavedDcState;
using rt::win::ScopedBrush;
using rt::win::ScopedPen;
using rt::win::SelectedObject;

//--- Fonts -------------------------------------------------------------------------

LOGFONTW ToLogFontW(const LogFont& f) {
  LOGFONTW w{};
  w.lfHeight = f.height;
  w.lfWidth = f.width;
  w.lfEscapement = f.escapement;
  w.lfOrientation = f.orientation;
  w.lfWeight = f.weight;
  w.lfItalic = f.italic;
  w.lfUnderline = f.underline;
  w.lfStrikeOut = f.strikeOut;
  w.lfCharSet = f.charSet;
  w.lfOutPrecision = f.outPrecision;
  w.lfClipPrecision = f.clipPrecision;
  w.lfQuality = f.quality;
  w.lfPitchAndFamily = f.pitchAndFamily;
  std::wstring face = rt::win::GbkToWide(std::string(f.Face()));
  wcsncpy(w.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return w;
}

LogFont FromLogFontW(const LOGFONTW& w) {
  LogFont f;
  f.height = w.lfHeight;
  f.width = w.lfWidth;
  f.escapement = w.lfEscapement;
  f.orientation = w.lfOrientation;
  f.weight = w.lfWeight;
  f.italic = w.lfItalic;
  f.underline = w.lfUnderline;
  f.strikeOut = w.lfStrikeOut;
  f.charSet = w.lfCharSet;
  f.outPrecision = w.lfOutPrecision;
  f.clipPrecision = w.lfClipPrecision;
  f.quality = w.lfQuality;
  f.pitchAndFamily = w.lfPitchAndFamily;
  f.SetFace(rt::win::WideToGbk(w.lfFaceName, wcsnlen(w.lfFaceName, LF_FACESIZE)));
  return f;
}

FontCache::~FontCache() { Clear(); }

void FontCache::Clear() { fonts_.clear(); }

HFONT FontCache::Get(const LogFont& font, int weight) {
  std::string key(reinterpret_cast<const char*>(&font), sizeof font);
  key.append(reinterpret_cast<const char*>(&weight), sizeof weight);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.Get();
  LOGFONTW w = ToLogFontW(font);
  if (weight) w.lfWeight = weight;
  if (heightScale_ != 1.0) w.lfHeight = LONG(w.lfHeight * heightScale_);
  HFONT made = CreateFontIndirectW(&w);
  if (!made) return rt::win::DefaultGuiFont();
  fonts_.emplace(std::move(key), rt::win::ScopedFont(made));
  return made;
}

//--- Pictures and check boxes ----------------------------------------------------

void DrawPicture(HDC dc, HBITMAP bitmap, const RECT& rect, int mode) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  BitmapDc source(dc, bitmap);
  HDC mem = source.Get();
  SavedDcState saved(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  int bw = info.bmWidth, bh = info.bmHeight;
  switch (mode) {
    case picturemode::kStretch: StretchBlt(dc, rect.left, rect.top, w, h, mem, 0, 0, bw, bh, SRCCOPY); break;
    case picturemode::kTile:
      for (int y = rect.top; y < rect.bottom; y += bh)
        for (int x = rect.left; x < rect.right; x += bw) BitBlt(dc, x, y, bw, bh, mem, 0, 0, SRCCOPY);
      break;
    case picturemode::kCentre:
      BitBlt(dc, rect.left + (w - bw) / 2, rect.top + (h - bh) / 2, bw, bh, mem, 0, 0, SRCCOPY);
      break;
    case picturemode::kFit: {
      // Scale by the smaller ratio, in integers so both builds agree.
      int64_t sw = w, sh = int64_t(bh) * w / bw;
      if (sh > h) {
        sh = h;
        sw = int64_t(bw) * h / bh;
      }
      StretchBlt(dc, rect.left + int(w - sw) / 2, rect.top + int(h - sh) / 2, int(sw), int(sh), mem, 0, 0, bw,
                 bh, SRCCOPY);
      break;
    }
    default: BitBlt(dc, rect.left, rect.top, std::min(w, bw), std::min(h, bh), mem, 0, 0, SRCCOPY); break;
  }
}

namespace {

HBITMAP CheckBitmap(bool checked) {
  // Loaded once from the program's resources; null when the program carries none.
  static HBITMAP on = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kCheckedBitmapId));
  static HBITMAP off = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kUncheckedBitmapId));
  return checked ? on : off;
}

void DrawCheckInCode(HDC dc, const RECT& rect, bool checked) {
  constexpr int kSize = 13;
  if (rect.right - rect.left <= kSize || rect.bottom - rect.top <= kSize) return;
  int x = rect.left + (rect.right - rect.left - kSize) / 2,
      y = rect.top + (rect.bottom - rect.top - kSize) / 2;
  RECT box{x, y, x + kSize, y + kSize};
  ScopedBrush white(CreateSolidBrush(RGB(255, 255, 255))), grey(CreateSolidBrush(RGB(128, 128, 128)));
  FillRect(dc, &box, white.Get());
  FrameRect(dc, &box, grey.Get());
  if (!checked) return;
  ScopedPen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  SelectedObject selected(dc, pen.Get());
  for (int t = 0; t < 3; ++t) {
    MoveToEx(dc, x + 3, y + 5 + t, nullptr);
    LineTo(dc, x + 5, y + 7 + t);
    LineTo(dc, x + 10, y + 2 + t);
  }
}

}  // namespace

void DrawCheckBox(HDC dc, const RECT& rect, bool checked) {
  HBITMAP bitmap = CheckBitmap(checked);
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return DrawCheckInCode(dc, rect, checked);
  int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= info.bmWidth || h <= info.bmHeight) return;
  RECT at{rect.left + (w - info.bmWidth) / 2, rect.top + (h - info.bmHeight) / 2, 0, 0};
  at.right = at.left + info.bmWidth;
  at.bottom = at.top + info.bmHeight;
  DrawPicture(dc, bitmap, at, picturemode::kTopLeft);
}

std::string DateCellText(const std::string& text, const std::string& dateFormat) {
  CivilDate d;
  if (dateFormat.empty() || !ParseDateText(text, &d)) return text;
  return FormatDate(d, dateFormat);
}

void DrawDiagonal(HDC dc, const RECT& rect, int style) {
  switch (style) {
    case diagonal::kDown:
      MoveToEx(dc, rect.left, rect.top, nullptr);
      LineTo(dc, rect.right, rect.bottom);
      break;
    case diagonal::kTwoLines:
      MoveToEx(dc, rect.left, rect.top, nullptr);
      LineTo(dc, rect.right, (rect.top + rect.bottom) / 2);
      MoveToEx(dc, rect.left, rect.top, nullptr);
      LineTo(dc, (rect.left + rect.right) / 2, rect.bottom);
      break;
    case diagonal::kBoth:
      MoveToEx(dc, rect.left, rect.top, nullptr);
      LineTo(dc, rect.right, rect.bottom);
      MoveToEx(dc, rect.right - 1, rect.top, nullptr);
      LineTo(dc, rect.left - 1, rect.bottom);
      break;
    default: break;
  }
}

//--- The cell ----------------------------------------------------------------------

namespace {

// Does the drawn span of (row, col) - the whole block for a master - cover the index?
struct Span {
  int firstRow, lastRow, firstCol, lastCol;
};

Span SpanOf(const GridModel& m, int row, int col) {
  int b = m.FindMergedBlock(row, col);
  if (b < 0) return {row, row, col, col};
  const MergedBlock& k = m.MergedBlocks()[size_t(b)];
  return {k.firstRow, k.lastRow, k.firstCol, k.lastCol};
}

// Column kinds shape the body cells; the header rows keep their captions as text
// (the text setter treats them the same way).
const ColumnKindEntry* KindOf(const GridModel& m, int row, int col) {
  return row < m.HeadRowCount() ? nullptr : m.FindColumnKind(col);
}

}  // namespace

std::string CellPainter::DisplayText(int row, int col) const {
  const std::string& text = model_.CellText(row, col);
  if (text.empty()) return text;
  const ColumnKindEntry* k = KindOf(model_, row, col);
  if (!k) return text;
  if (k->kind == kind::kCurrency) return k->currencySymbol + text;
  if (k->kind == kind::kDate) return DateCellText(text, k->dateFormat);
  return text;
}

CellColours ColoursOf(const GridModel& model, int row, int col) {
  const CGridCell* cell = model.Cell(row, col);
  const GridSettings& s = model.Settings();
  bool header = IsHeaderCell(model, row, col);
  Colour text = cell->GetTextColor() != kNoColor ? cell->GetTextColor()
                : header                         ? s.fixedTextColor
                                                 : s.textColor;
  Colour back = cell->GetBkColor() != kNoColor ? cell->GetBkColor() : header ? s.fixedBkColor : s.bkColor;
  return CellColours{text, back};
}

const LogFont& FontOf(const GridModel& model, int row, int col) {
  const CGridCell* cell = model.Cell(row, col);
  return cell->GetFont() ? *cell->GetFont() : model.GridFont();
}

SIZE MeasureText(HDC dc, HFONT font, const std::string& gbk, UINT format) {
  std::wstring wide = rt::win::GbkToWide(gbk);
  SelectedObject selected(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, wide.c_str(), int(wide.size()), &r, format | DT_CALCRECT);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

SIZE TextExtentMemo::Measure(HDC dc, HFONT font, const std::string& gbk, UINT format) {
  std::unordered_map<std::string, SIZE>& byText = sizes_[{reinterpret_cast<uintptr_t>(font), format}];
  auto it = byText.find(gbk);
  if (it != byText.end()) return it->second;
  SIZE size = MeasureText(dc, font, gbk, format);
  if (count_ < kMaxTexts) {
    byText.emplace(gbk, size);
    ++count_;
  }
  return size;
}

void CellPainter::Paint(HDC dc, int row, int col, const RECT& rect) const {
  const CGridCell* cell = model_.Cell(row, col);
  if (!cell) return;
  SavedDcState saved(dc);

  // 1. The fill, by the cell's state, and the text colour that goes with it.
  COLORREF text = PaintFill(dc, row, col, rect);

  // 2. Header borders and diagonals; a header in the focus cell's line is drawn bold.
  int weight = PaintLines(dc, row, col, rect);

  // 3. The content, inside the margin.
  int margin = MulDiv(cell->GetMargin(), options_.pixelsPerInchX, 254);
  RECT content{rect.left + margin, rect.top + margin, rect.right - margin, rect.bottom - margin};
  if (weight || !cell->GetText().empty() || cell->GetBitmap() ||
      (row >= model_.HeadRowCount() && model_.IsKindColumn(col, kind::kCheck))) {
    SelectedObject selectedFont(dc, fonts_.Get(FontOf(model_, row, col), weight));
    PaintContent(dc, row, col, content, text);
  }
}

COLORREF CellPainter::PaintFill(HDC dc, int row, int col, const RECT& rect) const {
  const CGridCell* cell = model_.Cell(row, col);
  const GridSettings& s = model_.Settings();
  bool show = options_.showFocusAndSelection;
  uint32_t st = cell->GetState();

  // 1. Colours.
  CellColours colours = ColoursOf(model_, row, col);

  // 2. The fill rectangle.
  Rect filled = CellFillRect(Rect{rect.left, rect.top, rect.right, rect.bottom}, s.lineWidth);
  RECT fill{filled.left, filled.top, filled.right, filled.bottom};

  // 3. Focus or highlight: framed in the light colour; selection; or the background.
  if (show && (st & (state::kFocus | state::kHighlighted))) {
    rt::win::FillSolid(dc, fill, colours.back);
    rt::win::FrameSolid(dc, RECT{fill.left - 1, fill.top - 1, fill.right + 1, fill.bottom + 1}, s.lightColor);
    return s.lightColor;
  }
  if (show && (st & state::kSelected)) {
    rt::win::FillSolid(dc, fill, s.selectBkColor);
    return s.selectColor == s.selectBkColor ? GetSysColor(COLOR_HIGHLIGHTTEXT) : s.selectColor;
  }
  if (cell->GetBkColor() != kNoColor || options_.fillGridBackground)
    rt::win::FillSolid(dc, fill, colours.back);
  return colours.text;
}

int CellPainter::PaintLines(HDC dc, int row, int col, const RECT& rect) const {
  const GridSettings& s = model_.Settings();
  ScopedPen pen(CreatePen(PS_SOLID, std::max(options_.lineWidth, 0), s.lineColor));
  SelectedObject selectedPen(dc, pen.Get());
  int weight = 0;
  if (IsHeaderCell(model_, row, col)) {
    // 1. A header cell's right and bottom borders.
    if (s.lineType != 0) {
      MoveToEx(dc, rect.right - 1, rect.top, nullptr);
      LineTo(dc, rect.right - 1, rect.bottom - 1);
      LineTo(dc, rect.left - 1, rect.bottom - 1);
    }
    // 2. Bold when its span holds the focus cell's column (header rows) or row.
    Span sp = SpanOf(model_, row, col);
    int focusRow = model_.FocusRow(), focusCol = model_.FocusCol();
    bool inFocusLine = row < model_.HeadRowCount() ? (focusCol >= sp.firstCol && focusCol <= sp.lastCol)
                                                   : (focusRow >= sp.firstRow && focusRow <= sp.lastRow);
    if (options_.showFocusAndSelection && focusRow >= 0 && focusCol >= 0 && inFocusLine) weight = 600;
  }
  // 3. Diagonals, in the same pen.
  DrawDiagonal(dc, rect, model_.Cell(row, col)->GetDiagonal());
  return weight;
}

void CellPainter::PaintContent(HDC dc, int row, int col, RECT rect, COLORREF textColour) const {
  const CGridCell* cell = model_.Cell(row, col);
  const ColumnKindEntry* k = KindOf(model_, row, col);
  int kindCode = k ? k->kind : kind::kText;
  if (kindCode == kind::kPicture) {
    DrawPicture(dc, reinterpret_cast<HBITMAP>(cell->GetBitmap()), rect, k->pictureMode);
    return;
  }
  if (kindCode == kind::kCheck) {
    DrawCheckBox(dc, rect, cell->GetCheck() != 0);
    return;
  }
  std::string shown = DisplayText(row, col);
  if (shown.empty()) return;
  std::wstring wide = rt::win::GbkToWide(shown);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour);
  DrawTextW(dc, wide.c_str(), int(wide.size()), &rect, cell->GetFormat() | DT_NOPREFIX);
}

SIZE CellPainter::ContentExtent(HDC dc, int row, int col, TextExtentMemo* memo) const {
  SIZE size{0, 0};
  const CGridCell* cell = model_.Cell(row, col);
  if (!cell) return size;
  int margin = MulDiv(cell->GetMargin(), options_.pixelsPerInchX, 254);
  const ColumnKindEntry* k = KindOf(model_, row, col);
  int kindCode = k ? k->kind : kind::kText;
  if (kindCode == kind::kPicture) {
    BITMAP info{};
    if (cell->GetBitmap() && GetObjectW(reinterpret_cast<HBITMAP>(cell->GetBitmap()), sizeof info, &info))
      size = SIZE{info.bmWidth, info.bmHeight};
  } else if (kindCode == kind::kCheck) {
    size = SIZE{14, 14};
  } else {
    std::string shown = DisplayText(row, col);
    if (shown.empty()) return size;
    HFONT font = fonts_.Get(FontOf(model_, row, col));
    UINT format = (cell->GetFormat() | DT_NOPREFIX) & ~UINT(DT_VCENTER | DT_BOTTOM);
    size = memo ? memo->Measure(dc, font, shown, format) : MeasureText(dc, font, shown, format);
  }
  size.cx += 2 * margin + 2;
  size.cy += 2 * margin + 2;
  return size;
}

}  // namespace grid::win
