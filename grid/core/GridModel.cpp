#include "grid/core/GridModel.h"

#include <algorithm>
#include <functional>

namespace grid {

GridModel::GridModel(const SystemDefaults& system) : gridFont_(system.font) {
  settings_.textColor = system.windowText;
  settings_.bkColor = system.window;
  settings_.fixedTextColor = system.windowText;
  settings_.fixedBkColor = system.buttonFace;
  settings_.shadowColor = system.buttonShadow;
  settings_.selectBkColor = system.highlight;
  defaultCellFont_ = fonts_.Intern(gridFont_);
}

GridModel::~GridModel() = default;

//--- Counts -----------------------------------------------------------------------

bool GridModel::Locate(const CGridCell* cell, int* row, int* col) const {
  if (cells_.empty() || colCount_ == 0) return false;
  std::less<const CGridCell*> before;
  if (before(cell, cells_.data()) || !before(cell, cells_.data() + cells_.size())) return false;
  size_t index = size_t(cell - cells_.data());
  *row = int(index / size_t(colCount_));
  *col = int(index % size_t(colCount_));
  return true;
}

bool GridModel::SetRowCount(int count) {
  if (count < 0 || count > kMaxRows || int64_t(count) * colCount_ > kMaxCells) return false;
  int old = RowCount();
  size_t cells = size_t(count) * size_t(colCount_);
  if (count < old) {
    CutMergedBlocks(count, colCount_);
    DropSelectionOutside(count, colCount_);
    if (focusRow_ >= count) ClearFocus();
    attrs_.DropOutside(count, colCount_);
    cells_.erase(cells_.begin() + std::ptrdiff_t(cells), cells_.end());
    rowHeights_.resize(size_t(count));
    headRows_ = std::min(headRows_, count);
  } else if (count > old) {
    // Exact for a jump from nothing (loading), growing by half for row-by-row adding.
    if (cells_.capacity() < cells) cells_.reserve(std::max(cells, cells_.capacity() + cells_.capacity() / 2));
    while (cells_.size() < cells) cells_.emplace_back(this);
    rowHeights_.resize(size_t(count), defaultRowHeight_);
  }
  rowCount_ = count;
  LayoutChanged();
  return true;
}

// Moves every row's cells to their place in rows of `count` columns; new columns get
// new cells.
void GridModel::RelayoutColumns(int count) {
  std::vector<CGridCell> cells;
  cells.reserve(size_t(rowCount_) * size_t(count));
  int kept = std::min(count, colCount_);
  for (int r = 0; r < rowCount_; ++r) {
    for (int c = 0; c < kept; ++c) cells.push_back(std::move(cells_[Index(r, c)]));
    for (int c = kept; c < count; ++c) cells.emplace_back(this);
  }
  cells_ = std::move(cells);
}

bool GridModel::SetColCount(int count) {
  if (count < 0 || count > kMaxCols || int64_t(count) * RowCount() > kMaxCells) return false;
  if (count < colCount_) {
    CutMergedBlocks(RowCount(), count);
    DropSelectionOutside(RowCount(), count);
    if (focusCol_ >= count) ClearFocus();
    attrs_.DropOutside(RowCount(), count);
    colWidths_.resize(size_t(count));
    headCols_ = std::min(headCols_, count);
  } else if (count > colCount_) {
    colWidths_.resize(size_t(count), defaultColWidth_);
  }
  if (count != colCount_) RelayoutColumns(count);
  colCount_ = count;
  RebuildKindIndex();
  LayoutChanged();
  return true;
}

bool GridModel::SetHeadRowCount(int count) {
  if (count < 0) return false;
  headRows_ = std::min(count, RowCount());
  RepaintAll();
  return true;
}

bool GridModel::SetHeadColCount(int count) {
  if (count < 0) return false;
  headCols_ = std::min(count, colCount_);
  RepaintAll();
  return true;
}

void GridModel::ClearAll() {
  ClearSelection();
  ClearFocus();
  merged_.clear();
  attrs_.Clear();
  std::vector<CGridCell>().swap(cells_);
  rowCount_ = 0;
  rowHeights_.clear();
  colWidths_.clear();
  colCount_ = headRows_ = headCols_ = 0;
  RebuildKindIndex();
  LayoutChanged();
}

void GridModel::ResetContent() {
  ClearAll();
  kinds_.clear();
  formulas_.clear();
  sums_.clear();
  RebuildKindIndex();
  // No cell is left, so the pool can start afresh.
  fonts_.Clear();
  defaultCellFont_ = fonts_.Intern(gridFont_);
  RepaintAll();
}

bool GridModel::ResetToBlank(int rows, int cols) {
  // Checked up front: a refused count must leave the old content in place.
  if (rows <= 0 || cols <= 0 || rows > kMaxRows || cols > kMaxCols || int64_t(rows) * cols > kMaxCells)
    return false;
  ResetContent();
  SetColCount(cols);
  SetRowCount(rows);
  RepaintAll();
  return true;
}

//--- Sizes ------------------------------------------------------------------------

int GridModel::RowHeight(int row) const {
  return row >= 0 && row < RowCount() ? rowHeights_[size_t(row)] : -1;
}

int GridModel::ColWidth(int col) const { return col >= 0 && col < colCount_ ? colWidths_[size_t(col)] : -1; }

bool GridModel::SetRowHeight(int row, int height, bool override) {
  if (row < 0 || row >= RowCount() || height < 0 || height > kMaxSize) return false;
  if (!override) height = std::max(height, settings_.lineWidth + 6);
  rowHeights_[size_t(row)] = height;
  LayoutChanged();
  return true;
}

bool GridModel::SetColWidth(int col, int width, bool override) {
  if (col < 0 || col >= colCount_ || width < 0 || width > kMaxSize) return false;
  if (!override) width = std::max(width, settings_.lineWidth + 6);
  colWidths_[size_t(col)] = width;
  LayoutChanged();
  return true;
}

bool GridModel::SetDefaultRowHeight(int height) {
  if (height < 0 || height > kMaxSize) return false;
  defaultRowHeight_ = height;
  return true;
}

bool GridModel::SetDefaultColWidth(int width) {
  if (width < 0 || width > kMaxSize) return false;
  defaultColWidth_ = width;
  return true;
}

//--- Fonts and settings -----------------------------------------------------------

void GridModel::SetGridFont(const LogFont& font) {
  gridFont_ = font;
  const LogFont* old = defaultCellFont_;
  defaultCellFont_ = fonts_.Intern(gridFont_);
  if (defaultCellFont_ != old) PinDefaultFont(old);
  RepaintAll();
}

// A cell takes the grid font when it is made or reset, not later: cells made before
// the change keep the old one.
void GridModel::PinDefaultFont(const LogFont* font) {
  for (int r = 0; r < rowCount_; ++r)
    for (int c = 0; c < colCount_; ++c) {
      uint64_t key = CellKey(r, c);
      if (!attrs_.font.Has(key)) attrs_.font.Set(key, font);
    }
}

void GridModel::SetCanSelection(int value) {
  ClearSelection();
  ClearFocus();
  canSelection_ = selectRow_ ? 1 : value;
  ClearSelection();
  ClearFocus();
}

void GridModel::SetSelectRow(int value) {
  selectRow_ = value;
  if (value) SetCanSelection(1);
}

void GridModel::ApplyAlternateColours(Colour odd, Colour even, bool byRows) {
  alternate_ = AlternateColours{odd, even, byRows ? 1 : 0, 1};
  for (int r = headRows_; r < RowCount(); ++r)
    for (int c = headCols_; c < colCount_; ++c)
      attrs_.bkColor.Set(CellKey(r, c), ((byRows ? r : c) % 2) ? odd : even);
  RepaintAll();
}

//--- Cell fields ------------------------------------------------------------------

std::string GridModel::CellText(int row, int col) const {
  const CGridCell* cell = Cell(row, col);
  return cell ? cell->GetText() : std::string();
}

bool GridModel::SetCellCheck(int row, int col, int value) {
  CGridCell* cell = Cell(row, col);
  if (!cell) return false;
  cell->SetCheck(value);
  RepaintCell(row, col);
  return true;
}

bool GridModel::SetCellBitmap(int row, int col, Bitmap bitmap) {
  CGridCell* cell = Cell(row, col);
  if (!cell) {
    CGridCell orphan(this);  // takes the bitmap and releases it
    orphan.SetBitmap(bitmap);
    return false;
  }
  cell->SetBitmap(bitmap);
  RepaintCell(row, col);
  return true;
}

bool GridModel::SetCellState(int row, int col, uint32_t newState) {
  CGridCell* cell = Cell(row, col);
  if (!cell) return false;
  cell->SetState(newState);
  if (newState & state::kSelected)
    selection_.AddCell(row, col);
  else
    selection_.RemoveCell(row, col);
  RepaintCell(row, col);
  return true;
}

#define GRID_CELL_SETTER(Name, Type, Call)             \
  bool GridModel::Name(int row, int col, Type value) { \
    CGridCell* cell = Cell(row, col);                  \
    if (!cell) return false;                           \
    cell->Call(value);                                 \
    RepaintCell(row, col);                             \
    return true;                                       \
  }

GRID_CELL_SETTER(SetCellFormat, uint32_t, SetFormat)
GRID_CELL_SETTER(SetCellBkColor, Colour, SetBkColor)
GRID_CELL_SETTER(SetCellTextColor, Colour, SetTextColor)
GRID_CELL_SETTER(SetCellFont, const LogFont&, SetFont)
GRID_CELL_SETTER(SetCellMargin, int, SetMargin)
GRID_CELL_SETTER(SetCellDiagonal, int, SetDiagonal)
GRID_CELL_SETTER(SetCellSpareFlag, int, SetSpareFlag)
GRID_CELL_SETTER(SetCellImage, int, SetImage)

#undef GRID_CELL_SETTER

//--- Selection and focus ----------------------------------------------------------

void GridModel::SetFocusCell(int row, int col) {
  ClearFocus();
  CGridCell* cell = Cell(row, col);
  if (!cell) return;
  cell->SetState(cell->GetState() | state::kFocus);
  focusRow_ = row;
  focusCol_ = col;
  RepaintCell(row, col);
}

void GridModel::ClearFocus() {
  if (CGridCell* cell = Cell(focusRow_, focusCol_)) {
    cell->SetState(cell->GetState() & ~state::kFocus);
    RepaintCell(focusRow_, focusCol_);
  }
  focusRow_ = focusCol_ = -1;
}

bool GridModel::SelectCell(int row, int col, bool selected) {
  CGridCell* cell = Cell(row, col);
  if (!cell) return false;
  return SetCellState(row, col,
                      selected ? cell->GetState() | state::kSelected : cell->GetState() & ~state::kSelected);
}

bool GridModel::SelectBlock(int r1, int c1, int r2, int c2) {
  CellBlock block{std::max(r1, 0), std::max(c1, 0), std::min(r2, rowCount_ - 1), std::min(c2, colCount_ - 1)};
  if (block.bottom < block.top || block.right < block.left) return false;
  selection_.AddBlock(block);
  RepaintBlock(block);
  return true;
}

// Small blocks cell by cell, large ones as a whole.
void GridModel::RepaintBlock(const CellBlock& block) {
  if (block.Area() > kRepaintCellLimit) return RepaintAll();
  for (int r = block.top; r <= block.bottom; ++r)
    for (int c = block.left; c <= block.right; ++c) RepaintCell(r, c);
}

void GridModel::ClearSelection() {
  if (selection_.Empty()) return;
  selection_.ForEachSingle([this](int row, int col) { RepaintCell(row, col); });
  for (const CellBlock& block : selection_.Blocks()) RepaintBlock(block);
  selection_.Clear();
}

bool GridModel::SelectionBounds(int* firstRow, int* firstCol, int* lastRow, int* lastCol) const {
  CellBlock bounds;
  if (!selection_.Bounds(&bounds)) return false;
  *firstRow = bounds.top;
  *firstCol = bounds.left;
  *lastRow = bounds.bottom;
  *lastCol = bounds.right;
  return true;
}

void GridModel::DropSelectionOutside(int rowCount, int colCount) {
  selection_.DropOutside(rowCount, colCount);
}

}  // namespace grid
