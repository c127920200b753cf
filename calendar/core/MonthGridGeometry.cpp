#include "calendar/core/MonthGridGeometry.h"

#include "calendar/core/MonthGrid.h"

namespace cal {

PixelRect CellRect(int index) {
  int column = index % kGridColumns, row = index / kGridColumns;
  int left = kGridLeft + kCellWidth * column;
  int top = kGridTop + kBandHeight + kCellHeight * row;
  return PixelRect{left, top, left + kCellWidth + 1, top + kCellHeight + 1};
}

int CellAt(int x, int y) {
  for (int i = 0; i < kDayCellCount; ++i)
    if (CellRect(i).Contains(x, y)) return i;
  return -1;
}

PixelRect WeekBandRect() { return PixelRect{kGridLeft, kGridTop, kGridWidth, kGridTop + kBandHeight}; }

PixelRect CellAreaRect() {
  int top = kGridTop + kBandHeight;
  return PixelRect{kGridLeft, top, kGridWidth, top + kGridRows * kCellHeight + 1};
}

PixelRect StatusBandRect() {
  int top = kGridTop + kBandHeight + kGridRows * kCellHeight;
  return PixelRect{kGridLeft, top, kGridWidth, top + kBandHeight};
}

}  // namespace cal
