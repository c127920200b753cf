#include "calendar/win/CalendarPainter.h"

#include "calendar/core/MonthGridGeometry.h"

namespace cal::win {

namespace {

constexpr COLORREF kCellBack = RGB(255, 250, 194);
constexpr COLORREF kBorder = RGB(0, 0, 255);
constexpr COLORREF kBandFill = RGB(41, 109, 181);
constexpr COLORREF kSelectedBack = RGB(143, 235, 119);
constexpr COLORREF kHotBack = RGB(0, 0, 255);
constexpr COLORREF kOtherMonthBack = RGB(211, 217, 214);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kWeekendText = RGB(2, 253, 229);
constexpr COLORREF kLunarText = RGB(255, 0, 0);
constexpr COLORREF kSelectedLunarText = RGB(60, 0, 255);
constexpr COLORREF kHotLunarText = RGB(0, 255, 255);
constexpr int kTextInset = 3;    // cell texts from the cell's upper and lower edges
constexpr int kStatusInset = 5;  // status texts from the band's edges
// The usual 9-point size of the Chinese GUI face (smaller sizes lose the glyphs' shapes).
constexpr int kFontHeight = -12;

const char* const kWeekNames[7] = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"};

void PaintBand(DrawingContext& dc, const PixelRect& r) {
  dc.SetPen(kBorder);
  dc.SetBrush(kBandFill);
  dc.Rectangle(r);
}

COLORREF BackOf(CellState s) {
  switch (s) {
    case CellState::kOtherMonth: return kOtherMonthBack;
    case CellState::kSelected: return kSelectedBack;
    case CellState::kHot: return kHotBack;
    default: return kCellBack;
  }
}

}  // namespace

void SelectCalendarFont(DrawingContext& dc) { dc.SetFont(kFontHeight); }

CellState StateOf(const MonthGrid& grid, int index, int hotCell) {
  if (!grid.Cell(index).inShownMonth) return CellState::kOtherMonth;
  if (index == hotCell) return CellState::kHot;
  if (index == grid.SelectedCell()) return CellState::kSelected;
  return CellState::kNormal;
}

void PaintCell(DrawingContext& dc, const DayCell& cell, int index, CellState state) {
  PixelRect r = CellRect(index);
  // Inside the shared border lines.
  dc.SetBrush(BackOf(state));
  dc.Fill(PixelRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});

  DayCellTexts texts = TextsOf(cell);
  COLORREF number = state == CellState::kHot ? kWhite : RGB(0, 0, 0);
  COLORREF lunar = state == CellState::kHot        ? kHotLunarText
                   : state == CellState::kSelected ? kSelectedLunarText
                                                   : kLunarText;
  dc.Text(PixelRect{r.left, r.top, r.right, r.bottom - 1 - kTextInset}, texts.gregorian,
          DT_CENTER | DT_BOTTOM | DT_SINGLELINE, number);
  dc.Text(PixelRect{r.left, r.top + 1 + kTextInset, r.right, r.bottom}, texts.lunar,
          DT_CENTER | DT_TOP | DT_SINGLELINE, lunar);
}

void PaintCalendar(DrawingContext& dc, const MonthGrid& grid, int hotCell, const CalendarTexts& texts) {
  SelectCalendarFont(dc);

  // Week band with the seven names, the weekend in its own colour.
  PixelRect week = WeekBandRect();
  PaintBand(dc, week);
  for (int d = 0; d < 7; ++d) {
    PixelRect name{week.left + kCellWidth * d, week.top, week.left + kCellWidth * (d + 1), week.bottom};
    dc.Text(name, kWeekNames[d], DT_CENTER | DT_VCENTER | DT_SINGLELINE, d >= 5 ? kWeekendText : kWhite);
  }

  // Cell background and lines.
  PixelRect area = CellAreaRect();
  dc.SetBrush(kCellBack);
  dc.Fill(area);
  dc.SetPen(kBorder);
  for (int row = 0; row <= kGridRows; ++row) {
    int y = area.top + kCellHeight * row;
    dc.Line(area.left, y, area.right, y);
  }
  for (int column = 0; column <= kGridColumns; ++column) {
    int x = area.left + kCellWidth * column;
    dc.Line(x, area.top, x, area.bottom);
  }

  for (int i = 0; i < kDayCellCount; ++i) PaintCell(dc, grid.Cell(i), i, StateOf(grid, i, hotCell));

  // Status band: the terms on the left, the hovered day on the right.
  PixelRect status = StatusBandRect();
  PaintBand(dc, status);
  PixelRect inner{status.left + kStatusInset, status.top, status.right - kStatusInset, status.bottom};
  dc.Text(inner, texts.left, DT_LEFT | DT_VCENTER | DT_SINGLELINE, kWhite);
  dc.Text(inner, texts.right, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, kWhite);
}

}  // namespace cal::win
