// The selected cells of a grid: blocks (rectangles) for what is selected by range,
// whole rows or columns, or all at once, plus single cells for what is selected one
// by one. Blocks never overlap and no single cell lies in a block, so the count is
// exact. Selecting a million rows costs one rectangle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

namespace grid {

// Inclusive on all four sides.
struct CellBlock {
  int top = 0;
  int left = 0;
  int bottom = -1;
  int right = -1;

  bool Contains(int row, int col) const { return row >= top && row <= bottom && col >= left && col <= right; }
  int64_t Area() const { return int64_t(bottom - top + 1) * int64_t(right - left + 1); }
};

class CellSelection {
 public:
  bool Contains(int row, int col) const;
  bool Empty() const { return blocks_.empty() && singles_.empty(); }
  size_t Count() const;
  // The rectangle around every selected cell; false when none is.
  bool Bounds(CellBlock* bounds) const;

  void AddCell(int row, int col);
  // An empty block (bottom < top or right < left) adds nothing.
  void AddBlock(const CellBlock& block);
  // A cell inside a block splits the block around it.
  void RemoveCell(int row, int col);
  void Clear();
  // Cells at or beyond the counts are no longer selected.
  void DropOutside(int rows, int cols);

  const std::vector<CellBlock>& Blocks() const { return blocks_; }
  template <typename Visit>
  void ForEachSingle(Visit visit) const {
    for (uint64_t key : singles_) visit(int(uint32_t(key >> 32)), int(uint32_t(key)));
  }

 private:
  void Insert(const CellBlock& piece);

  std::vector<CellBlock> blocks_;
  std::unordered_set<uint64_t> singles_;  // (row << 32) | column
};

}  // namespace grid
