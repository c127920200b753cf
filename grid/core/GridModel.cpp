#include "grid/core/GridModel.h"

#include <algorithm>

namespace grid {

namespace {

uint64_t SelectionKey(int row, int col) { return (uint64_t(uint32_t(col)) << 32) | uint32_t(row); }

}  // namespace

GridModel::GridModel(const SystemDefaults& system) : gridFont_(system.font) {
  settings_.textColor = system.windowText;
  settings_.bkColor = system.window;
  settings_.fixedTextColor = system.windowText;
  settings_.fixedBkColor = system.buttonFace;
  settings_.shadowColor = system.buttonShadow;
  settings_.selectBkColor = system.highlight;
  defaultCellFont_ = fonts_.Intern(gridFont_);
  selection_.reserve(17);
}

GridModel::~GridModel() = default;

//--- Counts -----------------------------------------------------------------------

void GridModel::MakeRow(std::vector<CGridCell>& row, int cols) {
  row.reserve(size_t(cols));
  while (int(row.size()) < cols) row.emplace_back(this);
}

bool GridModel::SetRowCount(int count) {
  if (count < 0 || count > kMaxRows || int64_t(count) * colCount_ > kMaxCells) return false;
  int old = RowCount();
  if (count < old) {
    CutMergedBlocks(count, colCount_);
    DropSelectionOutside(count, colCount_);
    if (focusRow_ >= count) ClearFocus();
    rows_.resize(size_t(count));
    rowHeights_.resize(size_t(count));
    headRows_ = std::min(headRows_, count);
  } else if (count > old) {
    rows_.reserve(size_t(count));
    for (int r = old; r < count; ++r) {
      rows_.emplace_back();
      MakeRow(rows_.back(), colCount_);
    }
    rowHeights_.resize(size_t(count), defaultRowHeight_);
  }
  LayoutChanged();
  return true;
}

bool GridModel::SetColCount(int count) {
  if (count < 0 || count > kMaxCols || int64_t(count) * RowCount() > kMaxCells) return false;
  if (count < colCount_) {
    CutMergedBlocks(RowCount(), count);
    DropSelectionOutside(RowCount(), count);
    if (focusCol_ >= count) ClearFocus();
    for (auto& row : rows_) {
      // Erase from the end, not resize: CGridCell has no default constructor use here.
      row.erase(row.begin() + count, row.end());
      row.shrink_to_fit();
    }
    colWidths_.resize(size_t(count));
    headCols_ = std::min(headCols_, count);
  } else if (count > colCount_) {
    for (auto& row : rows_) MakeRow(row, count);
    colWidths_.resize(size_t(count), defaultColWidth_);
  }
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
  rows_.clear();
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
  defaultCellFont_ = fonts_.Intern(gridFont_);
  RepaintAll();
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
    for (int c = headCols_; c < colCount_; ++c) rows_[r][c].SetBkColor(((byRows ? r : c) % 2) ? odd : even);
  RepaintAll();
}

//--- Cell fields ------------------------------------------------------------------

const std::string& GridModel::CellText(int row, int col) const {
  static const std::string empty;
  const CGridCell* cell = Cell(row, col);
  return cell ? cell->GetText() : empty;
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
    selection_.insert(SelectionKey(row, col));
  else
    selection_.erase(SelectionKey(row, col));
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

void GridModel::ClearSelection() {
  for (uint64_t key : selection_) {
    int row = int(uint32_t(key)), col = int(uint32_t(key >> 32));
    if (CGridCell* cell = Cell(row, col)) {
      cell->SetState(cell->GetState() & ~state::kSelected);
      RepaintCell(row, col);
    }
  }
  selection_.clear();
}

bool GridModel::IsSelected(int row, int col) const { return selection_.count(SelectionKey(row, col)) != 0; }

bool GridModel::SelectionBounds(int* firstRow, int* firstCol, int* lastRow, int* lastCol) const {
  if (selection_.empty()) return false;
  int r1 = INT32_MAX, c1 = INT32_MAX, r2 = -1, c2 = -1;
  for (uint64_t key : selection_) {
    int row = int(uint32_t(key)), col = int(uint32_t(key >> 32));
    r1 = std::min(r1, row);
    r2 = std::max(r2, row);
    c1 = std::min(c1, col);
    c2 = std::max(c2, col);
  }
  *firstRow = r1;
  *firstCol = c1;
  *lastRow = r2;
  *lastCol = c2;
  return true;
}

void GridModel::DropSelectionOutside(int rowCount, int colCount) {
  for (auto it = selection_.begin(); it != selection_.end();) {
    int row = int(uint32_t(*it)), col = int(uint32_t(*it >> 32));
    if (row >= rowCount || col >= colCount)
      it = selection_.erase(it);
    else
      ++it;
  }
}

}  // namespace grid
