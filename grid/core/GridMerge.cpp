// Merged blocks: the merge command, blocks from a file, and cutting blocks back when
// rows or columns go away.
#include <algorithm>

#include "grid/core/GridModel.h"

namespace grid {

namespace {

bool Intersects(const MergedBlock& a, const MergedBlock& b) {
  return a.firstRow <= b.lastRow && b.firstRow <= a.lastRow && a.firstCol <= b.lastCol &&
         b.firstCol <= a.lastCol;
}

}  // namespace

int GridModel::FindMergedBlock(int row, int col) const {
  for (size_t i = 0; i < merged_.size(); ++i)
    if (merged_[i].Contains(row, col)) return int(i);
  return -1;
}

void GridModel::MarkBlock(const MergedBlock& block) {
  for (int r = block.firstRow; r <= block.lastRow; ++r)
    for (int c = block.firstCol; c <= block.lastCol; ++c) {
      CGridCell& cell = cells_[Index(r, c)];
      if (r == block.masterRow && c == block.masterCol)
        cell.SetMergeMaster(1);
      else
        cell.SetState(cell.GetState() | state::kCovered);
    }
}

void GridModel::MergeCells(int r1, int c1, int r2, int c2) {
  MergedBlock block{r1, c1, r1, c1, r2, c2};
  bool valid =
      r1 >= 0 && c1 >= 0 && r2 >= r1 && c2 >= c1 && (r2 > r1 || c2 > c1) && r2 < RowCount() && c2 < colCount_;
  bool straddles = (r1 < headRows_ && headRows_ <= r2) || (c1 < headCols_ && headCols_ <= c2);
  if (!valid || straddles) {
    RepaintAll();
    return;
  }
  // A block that touches an existing one would leave cells covered twice: refused.
  for (const MergedBlock& existing : merged_) {
    if (Intersects(existing, block)) {
      ClearSelection();
      ClearFocus();
      RepaintAll();
      return;
    }
  }
  const CGridCell& master = cells_[Index(r1, c1)];
  const LogFont* font = master.GetFont();
  for (int r = r1; r <= r2; ++r)
    for (int c = c1; c <= c2; ++c) {
      CGridCell& cell = cells_[Index(r, c)];
      if (r == r1 && c == c1) {
        cell.SetMergeMaster(1);
        continue;
      }
      if (font) cell.SetFont(*font);
      cell.SetState(cell.GetState() | state::kCovered);
      if (r < headRows_ || c < headCols_) cell.SetText(std::string_view());
    }
  merged_.push_back(block);
  RepaintAll();
}

bool GridModel::AppendMergedBlock(const MergedBlock& b) {
  bool inside = b.firstRow >= 0 && b.firstCol >= 0 && b.firstRow <= b.lastRow && b.firstCol <= b.lastCol &&
                b.lastRow < RowCount() && b.lastCol < colCount_;
  if (!inside || b.masterRow != b.firstRow || b.masterCol != b.firstCol) return false;
  merged_.push_back(b);
  MarkBlock(b);
  RepaintAll();
  return true;
}

void GridModel::CutMergedBlocks(int rowCount, int colCount) {
  for (auto it = merged_.begin(); it != merged_.end();) {
    MergedBlock& b = *it;
    bool gone = b.firstRow >= rowCount || b.firstCol >= colCount;
    if (!gone) {
      b.lastRow = std::min(b.lastRow, rowCount - 1);
      b.lastCol = std::min(b.lastCol, colCount - 1);
      if (b.lastRow == b.firstRow && b.lastCol == b.firstCol) {
        if (CGridCell* master = Cell(b.masterRow, b.masterCol)) master->SetMergeMaster(0);
        gone = true;
      }
    }
    if (gone)
      it = merged_.erase(it);
    else
      ++it;
  }
}

}  // namespace grid
