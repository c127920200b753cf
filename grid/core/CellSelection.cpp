#include "grid/core/CellSelection.h"

#include <algorithm>

namespace grid {

namespace {

uint64_t Key(int row, int col) { return (uint64_t(uint32_t(row)) << 32) | uint32_t(col); }

bool Overlap(const CellBlock& a, const CellBlock& b) {
  return a.top <= b.bottom && b.top <= a.bottom && a.left <= b.right && b.left <= a.right;
}

// The parts of `a` outside `cut`: up to four blocks (above, below, left, right).
void Subtract(const CellBlock& a, const CellBlock& cut, std::vector<CellBlock>* out) {
  if (!Overlap(a, cut)) {
    out->push_back(a);
    return;
  }
  if (a.top < cut.top) out->push_back({a.top, a.left, cut.top - 1, a.right});
  if (a.bottom > cut.bottom) out->push_back({cut.bottom + 1, a.left, a.bottom, a.right});
  int top = std::max(a.top, cut.top), bottom = std::min(a.bottom, cut.bottom);
  if (a.left < cut.left) out->push_back({top, a.left, bottom, cut.left - 1});
  if (a.right > cut.right) out->push_back({top, cut.right + 1, bottom, a.right});
}

}  // namespace

bool CellSelection::Contains(int row, int col) const {
  for (const CellBlock& b : blocks_)
    if (b.Contains(row, col)) return true;
  return !singles_.empty() && singles_.count(Key(row, col)) != 0;
}

size_t CellSelection::Count() const {
  int64_t n = int64_t(singles_.size());
  for (const CellBlock& b : blocks_) n += b.Area();
  return size_t(n);
}

bool CellSelection::Bounds(CellBlock* bounds) const {
  if (Empty()) return false;
  CellBlock r{INT32_MAX, INT32_MAX, -1, -1};
  auto take = [&r](const CellBlock& b) {
    r.top = std::min(r.top, b.top);
    r.left = std::min(r.left, b.left);
    r.bottom = std::max(r.bottom, b.bottom);
    r.right = std::max(r.right, b.right);
  };
  for (const CellBlock& b : blocks_) take(b);
  ForEachSingle([&take](int row, int col) { take({row, col, row, col}); });
  *bounds = r;
  return true;
}

void CellSelection::AddCell(int row, int col) {
  if (!Contains(row, col)) singles_.insert(Key(row, col));
}

void CellSelection::AddBlock(const CellBlock& block) {
  if (block.bottom < block.top || block.right < block.left) return;
  std::vector<CellBlock> kept;
  for (const CellBlock& b : blocks_) Subtract(b, block, &kept);
  blocks_ = std::move(kept);
  blocks_.push_back(block);
  for (auto it = singles_.begin(); it != singles_.end();) {
    if (block.Contains(int(uint32_t(*it >> 32)), int(uint32_t(*it))))
      it = singles_.erase(it);
    else
      ++it;
  }
}

void CellSelection::RemoveCell(int row, int col) {
  if (!singles_.empty()) singles_.erase(Key(row, col));
  for (size_t i = 0; i < blocks_.size(); ++i) {
    if (!blocks_[i].Contains(row, col)) continue;
    CellBlock block = blocks_[i];
    blocks_[i] = blocks_.back();
    blocks_.pop_back();
    std::vector<CellBlock> pieces;
    Subtract(block, CellBlock{row, col, row, col}, &pieces);
    for (const CellBlock& piece : pieces) Insert(piece);
    return;  // blocks do not overlap: no other one holds the cell
  }
}

// Cells taken out one by one (pasting over a selection does this row by row) would
// leave a sliver per row; a piece that continues a block exactly joins it instead.
void CellSelection::Insert(const CellBlock& piece) {
  for (CellBlock& b : blocks_) {
    bool sameCols = b.left == piece.left && b.right == piece.right;
    bool sameRows = b.top == piece.top && b.bottom == piece.bottom;
    if (sameCols && (b.bottom + 1 == piece.top || piece.bottom + 1 == b.top)) {
      b.top = std::min(b.top, piece.top);
      b.bottom = std::max(b.bottom, piece.bottom);
      return;
    }
    if (sameRows && (b.right + 1 == piece.left || piece.right + 1 == b.left)) {
      b.left = std::min(b.left, piece.left);
      b.right = std::max(b.right, piece.right);
      return;
    }
  }
  blocks_.push_back(piece);
}

void CellSelection::Clear() {
  blocks_.clear();
  singles_.clear();
}

void CellSelection::DropOutside(int rows, int cols) {
  std::vector<CellBlock> kept;
  for (CellBlock b : blocks_) {
    b.bottom = std::min(b.bottom, rows - 1);
    b.right = std::min(b.right, cols - 1);
    if (b.top <= b.bottom && b.left <= b.right) kept.push_back(b);
  }
  blocks_ = std::move(kept);
  for (auto it = singles_.begin(); it != singles_.end();) {
    if (int(uint32_t(*it >> 32)) >= rows || int(uint32_t(*it)) >= cols)
      it = singles_.erase(it);
    else
      ++it;
  }
}

}  // namespace grid
