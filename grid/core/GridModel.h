// The grid's data side: rows of cells, sizes, grid-level settings, selection and
// focus, column kinds, merged blocks, row formulas and column sums, print settings.
// Platform-free; the window layer draws it and feeds user input into it.
//
// Coordinates are (row, column), 0-based, header rows and columns included. Every
// per-cell operation refuses coordinates outside the grid (getters give the default).
// Changes that alter what is shown are reported to the installed GridRepaint.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/CellAttributes.h"
#include "grid/core/CellSelection.h"
#include "grid/core/GridCell.h"
#include "grid/core/GridTypes.h"
#include "grid/core/LogFont.h"
#include "grid/core/PrintOptions.h"

namespace grid {

// Implemented by the window layer; the model calls it after changes.
class GridRepaint {
 public:
  virtual ~GridRepaint() = default;
  virtual void RepaintCell(int row, int col) = 0;
  virtual void RepaintAll() = 0;
  // Counts or sizes changed: scroll ranges and layout need recomputing.
  virtual void LayoutChanged() = 0;
};

// Values a new grid takes from the system. The window layer passes the real ones.
struct SystemDefaults {
  LogFont font = DefaultGridFont();  // the message font
  Colour windowText = 0x000000;
  Colour window = 0xFFFFFF;
  Colour buttonFace = 0xF0F0F0;
  Colour highlight = 0xD77800;
  Colour buttonShadow = 0xA0A0A0;
};

// Grid-level values without side effects of their own. Switches are ints stored as
// given (the file and the unit's property table carry them as 32-bit values).
struct GridSettings {
  Colour textColor = 0;       // body text
  Colour bkColor = 0;         // body background
  Colour fixedTextColor = 0;  // header text
  Colour fixedBkColor = 0;    // header background
  Colour shadowColor = 0;
  Colour lineColor = 0xC0C0C0;
  Colour lightColor = 0x000000;  // text and frame of the focus cell
  Colour selectBkColor = 0;
  Colour selectColor = 0x000000;
  int lineType = 3;  // 0 none, 1 horizontal, 2 vertical, 3 both
  int lineWidth = 0;
  int isEdit = 1;
  int isResizeHeight = 1;
  int isResizeWidth = 1;
  int enterFunction = 0;  // 0 toggle editing, 1 next column, 2 next row
  int processClickFixed = 1;
  int showZeroInNumCell = 1;
  // Printing and preview.
  int isShowDiglog = 1;
  int showPrintButton = 1;
  int printPageNo = 0;  // 0 none, 1 left, 2 centre, 3 right
  int printDate = 0;
  int sizeToWidth = 1;
  // The unit's date text format for the date editor.
  std::string dateTextFormat = "yyyy-MM-dd";
};

class GridModel {
 public:
  explicit GridModel(const SystemDefaults& system = SystemDefaults());
  ~GridModel();
  GridModel(const GridModel&) = delete;
  GridModel& operator=(const GridModel&) = delete;

  void SetRepaint(GridRepaint* repaint) { repaint_ = repaint; }
  GridRepaint* Repaint() const { return repaint_; }

  //--- Counts and cells
  int RowCount() const { return rowCount_; }
  int ColCount() const { return colCount_; }
  int HeadRowCount() const { return headRows_; }
  int HeadColCount() const { return headCols_; }
  // Rows beyond the new count lose their cells; merged blocks beyond are removed or
  // cut back; the focus beyond is cleared. False (nothing changes) for a negative
  // count or one past the limits.
  bool SetRowCount(int count);
  bool SetColCount(int count);
  // Clamped into 0..RowCount / 0..ColCount; false for a negative value.
  bool SetHeadRowCount(int count);
  bool SetHeadColCount(int count);

  bool IsCell(int row, int col) const { return row >= 0 && col >= 0 && row < RowCount() && col < colCount_; }
  bool IsBodyCell(int row, int col) const { return IsCell(row, col) && row >= headRows_ && col >= headCols_; }
  CGridCell* Cell(int row, int col) { return IsCell(row, col) ? &cells_[Index(row, col)] : nullptr; }
  const CGridCell* Cell(int row, int col) const {
    return IsCell(row, col) ? &cells_[Index(row, col)] : nullptr;
  }
  // The place of one of this grid's cells; false for any other cell.
  bool Locate(const CGridCell* cell, int* row, int* col) const;
  // The settings most cells leave at their defaults, keyed by (row, column).
  CellAttributes& Attributes() { return attrs_; }
  const CellAttributes& Attributes() const { return attrs_; }

  // Selection and focus cleared, cells, rows and sizes gone, merged blocks gone, all
  // four counts 0. Kinds, formulas, sums and settings stay.
  void ClearAll();
  // ClearAll plus no column kinds (with their lists), merged blocks, formulas or sums:
  // the state a grid file is loaded into.
  void ResetContent();
  // ResetContent, then rows x cols blank cells at the default row height and column
  // width, no header rows or columns. False, and nothing changed, for a count of 0 or
  // less or one SetRowCount / SetColCount would refuse.
  bool ResetToBlank(int rows, int cols);

  //--- Sizes in pixels
  int RowHeight(int row) const;  // -1 for a bad index
  int ColWidth(int col) const;
  // Without override a size below LineWidth + 6 is raised to it. Negative sizes and
  // sizes above kMaxSize are refused.
  bool SetRowHeight(int row, int height, bool override = false);
  bool SetColWidth(int col, int width, bool override = false);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  int DefaultColWidth() const { return defaultColWidth_; }
  bool SetDefaultRowHeight(int height);
  bool SetDefaultColWidth(int width);

  //--- Fonts
  const LogFont& GridFont() const { return gridFont_; }
  // Stores the grid font; the window layer measures it and sets the default sizes.
  void SetGridFont(const LogFont& font);
  FontPool& Fonts() { return fonts_; }
  const LogFont* DefaultCellFont() const { return defaultCellFont_; }

  //--- Settings
  GridSettings& Settings() { return settings_; }
  const GridSettings& Settings() const { return settings_; }
  int CanSelection() const { return canSelection_; }
  int SelectRow() const { return selectRow_; }
  // Clears selection and focus before and after; stays true while SelectRow is set.
  void SetCanSelection(int value);
  // True also makes CanSelection true.
  void SetSelectRow(int value);
  const AlternateColours& Alternate() const { return alternate_; }
  // Records the values only (the file does this; cells keep their colours).
  void SetAlternateRecord(const AlternateColours& record) { alternate_ = record; }
  // Gives every body row (or column) the odd or even colour as own background.
  void ApplyAlternateColours(Colour odd, Colour even, bool byRows);

  //--- Cell fields through the grid (refuse bad coordinates, repaint the cell)
  // The text setter: formats number and currency columns below the header rows and,
  // with `recalc`, recomputes the row formulas and column sums that depend on the cell.
  bool SetCellText(int row, int col, std::string_view text, bool recalc = true);
  std::string CellText(int row, int col) const;
  bool SetCellCheck(int row, int col, int value);
  bool SetCellBitmap(int row, int col, Bitmap bitmap);  // takes ownership even when refused
  bool SetCellState(int row, int col, uint32_t state);  // keeps the selection in step
  bool SetCellFormat(int row, int col, uint32_t format);
  bool SetCellBkColor(int row, int col, Colour colour);
  bool SetCellTextColor(int row, int col, Colour colour);
  bool SetCellFont(int row, int col, const LogFont& font);
  bool SetCellMargin(int row, int col, int margin);
  bool SetCellDiagonal(int row, int col, int style);
  bool SetCellSpareFlag(int row, int col, int flag);
  bool SetCellImage(int row, int col, int image);

  //--- Selection and focus
  int FocusRow() const { return focusRow_; }
  int FocusCol() const { return focusCol_; }
  // Moves the focus bit; a bad cell clears the focus.
  void SetFocusCell(int row, int col);
  void ClearFocus();
  bool SelectCell(int row, int col, bool selected);
  // Selects the block r1..r2 x c1..c2 (inclusive, cut to the grid) as one rectangle,
  // however many cells it holds. False when nothing of it lies in the grid.
  bool SelectBlock(int r1, int c1, int r2, int c2);
  void ClearSelection();
  size_t SelectionCount() const { return selection_.Count(); }
  bool IsSelected(int row, int col) const { return selection_.Contains(row, col); }
  const CellSelection& Selection() const { return selection_; }
  // The rectangle bounding the selected cells (inclusive); false when none is selected.
  bool SelectionBounds(int* firstRow, int* firstCol, int* lastRow, int* lastCol) const;

  //--- Column kinds
  const std::vector<ColumnKindEntry>& ColumnKinds() const { return kinds_; }
  const ColumnKindEntry* FindColumnKind(int col) const;
  bool IsNumberColumn(int col) const;  // number or currency
  bool IsKindColumn(int col, int kindCode) const;
  int DecimalPlaces(int col) const;  // -1 unless a number or currency column
  std::string CurrencySymbol(int col) const;
  std::string DateFormat(int col) const;
  // kindIndex 1..7 stands for 101..107; undoes the old kind first.
  bool SetColumnKind(int col, int kindIndex);
  // For loading and tools: appends as it is; an earlier entry of the same column is
  // replaced so that a column has one kind.
  void AppendColumnKind(ColumnKindEntry entry);
  // The whole table at once (loading); as AppendColumnKind for each, in linear time.
  void ReplaceColumnKinds(std::vector<ColumnKindEntry> entries);
  bool SetDecimalPlaces(int col, int places);
  // Appends to a list column's items (making the list when it has none).
  bool AddColumnListItem(int col, std::string_view item);
  std::vector<std::string>& SharedListItems() { return sharedListItems_; }
  const std::vector<std::string>& SharedListItems() const { return sharedListItems_; }

  //--- Merged blocks
  const std::vector<MergedBlock>& MergedBlocks() const { return merged_; }
  // The block holding the cell, or -1.
  int FindMergedBlock(int row, int col) const;
  // The merge command; r2 and c2 inclusive. A block overlapping an existing one is
  // refused (selection and focus cleared).
  void MergeCells(int r1, int c1, int r2, int c2);
  // For loading: a block inside the grid with its master at the top-left corner is
  // appended and its cells marked; false (nothing done) otherwise.
  bool AppendMergedBlock(const MergedBlock& block);

  //--- Row formulas and column sums
  const std::vector<RowFormula>& RowFormulas() const { return formulas_; }
  const std::vector<ColumnSum>& ColumnSums() const { return sums_; }
  void AddRowFormula(const RowFormula& formula) { formulas_.push_back(formula); }
  void AddColumnSum(const ColumnSum& sum) { sums_.push_back(sum); }

  //--- Printing
  PrintTitle& Title() { return printTitle_; }
  const PrintTitle& Title() const { return printTitle_; }
  PrintLayout& Layout() { return printLayout_; }
  const PrintLayout& Layout() const { return printLayout_; }
  PrintOptions& Options() { return printOptions_; }
  const PrintOptions& Options() const { return printOptions_; }
  // Tenths of a millimetre per screen pixel; 0 until the window layer sets it.
  float ScreenScale() const { return screenScale_; }
  void SetScreenScale(float scale) { screenScale_ = scale; }

  //--- Repaint helpers
  void RepaintCell(int row, int col) {
    if (repaint_) repaint_->RepaintCell(row, col);
  }
  void RepaintAll() {
    if (repaint_) repaint_->RepaintAll();
  }
  void LayoutChanged() {
    if (repaint_) repaint_->LayoutChanged();
  }

 private:
  // Recalculation (GridRecalc.cpp).
  bool StoreText(int row, int col, std::string_view text, bool recalc);
  std::string FormatForColumn(int row, int col, std::string_view text) const;
  void RecalcAfterChange(int row, int col);
  void RecalcFormulas(int row, int col);
  void RecalcSums(int row, int col, int exceptSum);
  std::string FormatResult(int col, double value) const;

  // Merged blocks (GridMerge.cpp).
  void CutMergedBlocks(int rowCount, int colCount);
  void MarkBlock(const MergedBlock& block);
  void DropSelectionOutside(int rowCount, int colCount);
  void RepaintBlock(const CellBlock& block);
  static constexpr int64_t kRepaintCellLimit = 64;

  void RebuildKindIndex();
  size_t Index(int row, int col) const { return size_t(row) * size_t(colCount_) + size_t(col); }
  void RelayoutColumns(int count);
  // Existing cells without a font of their own keep `font` when the default changes.
  void PinDefaultFont(const LogFont* font);

  GridRepaint* repaint_ = nullptr;
  // All cells in one array, row by row: no allocation per row.
  std::vector<CGridCell> cells_;
  CellAttributes attrs_;
  int rowCount_ = 0;
  int colCount_ = 0;
  int headRows_ = 0;
  int headCols_ = 0;
  std::vector<int> rowHeights_;
  std::vector<int> colWidths_;
  int defaultRowHeight_ = 10;
  int defaultColWidth_ = 30;

  LogFont gridFont_;
  FontPool fonts_;
  const LogFont* defaultCellFont_ = nullptr;

  GridSettings settings_;
  int canSelection_ = 1;
  int selectRow_ = 0;
  AlternateColours alternate_;

  int focusRow_ = -1;
  int focusCol_ = -1;
  CellSelection selection_;

  std::vector<ColumnKindEntry> kinds_;
  std::vector<int> kindIndex_;  // per column: index into kinds_, or -1
  std::vector<std::string> sharedListItems_;
  std::vector<MergedBlock> merged_;
  std::vector<RowFormula> formulas_;
  std::vector<ColumnSum> sums_;

  PrintTitle printTitle_;
  PrintLayout printLayout_;
  PrintOptions printOptions_;
  float screenScale_ = 0;

  // Recalculation bounds: cycles between formulas and sums end at this depth, and one
  // change may not cost more than the budget (cells summed, plus a fixed cost for
  // every formula or sum evaluated): a few sums over a hundred thousand rows fit.
  static constexpr int kMaxRecalcDepth = 32;
  static constexpr int64_t kRecalcBudget = int64_t(1) << 20;
  static constexpr int64_t kFormulaCost = 64;
  int recalcDepth_ = 0;
  int64_t recalcBudget_ = 0;
  bool recalcRan_ = false;
};

}  // namespace grid
