// Drawing of one grid cell into any device context: colours, fill, focus frame,
// header borders, diagonals, margin and the content by column kind. The grid window
// uses it in pixels; printing and the preview use it in page units.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <unordered_map>

#include "grid/core/GridModel.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

// Platform fonts made from the cells' 60-byte records (GBK face), kept by record and
// weight. `heightScale` multiplies the record's height (printing in page units).
class FontCache {
 public:
  explicit FontCache(double heightScale = 1.0) : heightScale_(heightScale) {}
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // `weight` 0 keeps the record's weight. Never null (falls back to the GUI font).
  HFONT Get(const LogFont& font, int weight = 0);
  void Clear();

 private:
  double heightScale_;
  std::unordered_map<std::string, rt::win::ScopedFont> fonts_;
};

// The logical font record (GBK face) as the wide API's, and back.
LOGFONTW ToLogFontW(const LogFont& font);
LogFont FromLogFontW(const LOGFONTW& font);

// A header cell: in a header row or a header column.
inline bool IsHeaderCell(const GridModel& model, int row, int col) {
  return row < model.HeadRowCount() || col < model.HeadColCount();
}

// A cell's text and background colours: its own, else the grid's for header or body
// cells.
struct CellColours {
  COLORREF text, back;
};
CellColours ColoursOf(const GridModel& model, int row, int col);
// The cell's own font, else the grid's.
const LogFont& FontOf(const GridModel& model, int row, int col);

// The DrawText extent of `gbk` in `font` with `format` (DT_CALCRECT is added).
SIZE MeasureText(HDC dc, HFONT font, const std::string& gbk, UINT format);

// Text extents measured once per text, font and format: fitting a column of a million
// rows to its content measures each distinct text once. It keeps at most kMaxTexts
// texts, so a column of all different texts costs no more memory than that.
class TextExtentMemo {
 public:
  SIZE Measure(HDC dc, HFONT font, const std::string& gbk, UINT format);

  static constexpr size_t kMaxTexts = 1 << 16;

 private:
  // By font and format, then by text: a lookup builds no key of its own.
  std::map<std::pair<uintptr_t, UINT>, std::unordered_map<std::string, SIZE>> sizes_;
  size_t count_ = 0;
};

struct CellPaintOptions {
  // Device units per inch across, for the cell margin (tenths of a millimetre).
  int pixelsPerInchX = 96;
  // Pen width for header borders and diagonals in device units; 0 draws the thinnest.
  int lineWidth = 0;
  // Focus frame, highlight, selection colours and the bold focus headers; printing
  // turns them off.
  bool showFocusAndSelection = true;
  // Fill cells without an own background with the grid's (the screen); printing may
  // leave the paper as it is.
  bool fillGridBackground = true;
};

class CellPainter {
 public:
  CellPainter(const GridModel& model, FontCache& fonts, CellPaintOptions options = CellPaintOptions())
      : model_(model), fonts_(fonts), options_(options) {}

  // Draws cell (row, col) in `rect`: the cell's rectangle, or the whole block for the
  // master of a merged block. Covered cells are not drawn on their own: callers skip
  // them. The DC's state (objects, colours, modes) is restored afterwards.
  void Paint(HDC dc, int row, int col, const RECT& rect) const;

  // The extent of the cell's content (text in its font plus margins, or the picture
  // or check box), used to fit a column or row to its content. A memo, when given,
  // keeps the text extents for the next cells.
  SIZE ContentExtent(HDC dc, int row, int col, TextExtentMemo* memo = nullptr) const;

  // The text as the cell shows it: currency symbol, date in the column's format.
  std::string DisplayText(int row, int col) const;

 private:
  // Fills the cell by its state (focus frame, selection, background); returns the
  // text colour.
  COLORREF PaintFill(HDC dc, int row, int col, const RECT& rect) const;
  // Header borders and diagonals; returns the font weight (600 for a focus header).
  int PaintLines(HDC dc, int row, int col, const RECT& rect) const;
  void PaintContent(HDC dc, int row, int col, RECT rect, COLORREF textColour) const;

  const GridModel& model_;
  FontCache& fonts_;
  CellPaintOptions options_;
};

// Draws a bitmap into `rect` by a column's picture mode (201..205), clipped to it.
void DrawPicture(HDC dc, HBITMAP bitmap, const RECT& rect, int pictureMode);

// Draws a cell's diagonal style (diagonal::*) corner to corner of `rect` in the
// selected pen.
void DrawDiagonal(HDC dc, const RECT& rect, int style);

// A date cell's text in the column's date format when it reads as a date; otherwise,
// or without a format, the text as it is.
std::string DateCellText(const std::string& text, const std::string& dateFormat);

// The check-cell bitmaps, resources 4000 (checked) and 5000 (unchecked) of the
// program; drawn centred when the rectangle is larger in both directions. Without
// the resources a check box is drawn in code.
void DrawCheckBox(HDC dc, const RECT& rect, bool checked);
constexpr int kCheckedBitmapId = 4000;
constexpr int kUncheckedBitmapId = 5000;

}  // namespace grid::win
