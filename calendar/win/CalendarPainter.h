// Drawing of the day grid: the week band, the cell lines, each cell by its state, and
// the status band, with the control's fixed colours.
#pragma once

#include <string>

#include "calendar/core/MonthGrid.h"
#include "calendar/win/DrawingContext.h"

namespace cal::win {

enum class CellState { kNormal, kOtherMonth, kSelected, kHot };

struct CalendarTexts {
  std::string left;   // the shown month's solar terms
  std::string right;  // the hovered day's description
};

// Everything, for the off-screen buffer.
void PaintCalendar(DrawingContext& dc, const MonthGrid& grid, int hotCell, const CalendarTexts& texts);

// One cell, over the grid lines it shares with its neighbours.
void PaintCell(DrawingContext& dc, const DayCell& cell, int index, CellState state);

// The font both cell texts use (selected into the context).
void SelectCalendarFont(DrawingContext& dc);

CellState StateOf(const MonthGrid& grid, int index, int hotCell);

}  // namespace cal::win
