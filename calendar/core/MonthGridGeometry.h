// Where things are in the day grid control: the week band, the 6 x 7 cells and the
// status band, in the control's client pixels.
#pragma once

namespace cal {

constexpr int kCellWidth = 52;
constexpr int kCellHeight = 32;
constexpr int kBandHeight = 20;  // week band and status band
constexpr int kGridLeft = 0, kGridTop = 0;
constexpr int kGridColumns = 7, kGridRows = 6;

// 365 x 232: the week band, six rows of cells and the status band.
constexpr int kGridWidth = kGridColumns * kCellWidth + 2 * kGridLeft + 1;
constexpr int kGridHeight = 2 * (kGridTop + 3 * kCellHeight + kBandHeight);

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Cell i is in column i % 7 and row i / 7; it is one pixel wider and higher than the
// pitch, so neighbours share their border line.
PixelRect CellRect(int index);

// The first cell, in index order, whose rectangle holds the point; -1 for none.
int CellAt(int x, int y);

PixelRect WeekBandRect();    // (0, 0) to (365, 20)
PixelRect CellAreaRect();    // under the week band, 6 x 32 + 1 high
PixelRect StatusBandRect();  // the last 20 pixels

}  // namespace cal
