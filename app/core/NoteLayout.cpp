// The blank note: merged title rows, numbered item rows, the total row, the column
// headers and widths and the unit drop-down; the title rows kept in step with the
// customer box and the date box; the grid kept fitted to the window.
#include <string>

#include "app/core/NoteCalls.h"
#include "app/core/NoteHandlers.h"
#include "app/core/NoteRows.h"
#include "app/core/NoteSession.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"

namespace app {

namespace {

using rt::MakeInt;

void SetColWidth(int col, int width) {
  NoteGridCommand(grid::cmd::SetColWidth, {MakeInt(col), MakeInt(width)});
}

void MergeCells(int r1, int c1, int r2, int c2) {
  NoteGridCommand(grid::cmd::MergeCells, {MakeInt(r1), MakeInt(c1), MakeInt(r2), MakeInt(c2)});
}

// The text of the note date: its date part, which ToText writes as "Y年M月D日".
std::string NoteDateText() {
  uint64_t words = ReadMainUnitWords(kDateBoxId, prop::kDateBoxDate);
  rt::DataValue date{uint32_t(words), uint32_t(words >> 32), rt::tag::kDateTime};
  CommandResult day = CoreCommand(rt::CoreCommand::kDatePart, {date});
  return ToText(day.Value());
}

std::string Spaces(size_t n) { return std::string(n, ' '); }

}  // namespace

//--- Building the note --------------------------------------------------------------

rt::HandlerResult BuildNoteLayout(const rt::EventArgs&) {
  MergeTitleCells();
  NumberItemRows();
  SetUpColumns();
  return rt::HandlerResult::None();
}

void MergeTitleCells() {
  MergeCells(kTitleRow1, 0, kTitleRow1, kLastColumn);
  MergeCells(kTitleRow2, 0, kTitleRow2, kLastColumn);
  MergeCells(kTotalRow, kAmountColumn, kTotalRow, kLastColumn);
  MergeCells(kTotalRow, 1, kTotalRow, kPriceColumn);
}

void NumberItemRows() {
  for (int r = kFirstItemRow; r <= kLastItemRow; ++r) SetNoteCellText(r, 0, std::to_string(r - kHeaderRow));
  SetNoteCellText(kTotalRow, 0, "合计");
  SetNoteCellText(kTotalRow, kCapitalColumn, kCapitalPrefix);
  SetNoteCellText(kTotalRow, kAmountColumn, kFiguresPrefix);
}

void SetUpColumns() {
  SetNoteCellText(kHeaderRow, 0, "编号");
  SetColWidth(0, 30);
  SetNoteCellText(kHeaderRow, 1, "    规    格 CM");
  SetColWidth(1, 120);
  SetNoteCellText(kHeaderRow, kQuantityColumn, "  数量");
  SetColWidth(kQuantityColumn, 60);
  SetNoteCellText(kHeaderRow, kUnitColumn, "  单位");
  SetColWidth(kUnitColumn, 50);

  NoteGridCommand(grid::cmd::ClearListItems, {});
  for (const char* unit : {"平方米", "立方米", "米", "套", "片", "块"})
    NoteGridCommand(grid::cmd::AddListItem, {TextArg(unit)});
  NoteGridCommand(grid::cmd::SetColumnKind, {MakeInt(kUnitColumn), MakeInt(4)});  // list column
  // Column 1 is no list column, so the grid refuses this item; the call stays as the
  // note has always made it.
  NoteGridCommand(grid::cmd::AddColumnListItem, {MakeInt(1), TextArg("插入的下拉列表项")});

  SetNoteCellText(kHeaderRow, kPriceColumn, "  单价");  // keeps the grid's column width
  SetNoteCellText(kHeaderRow, kAmountColumn, "  金额");
  SetColWidth(kAmountColumn, 70);
  SetNoteCellText(kHeaderRow, kLastColumn, "     备注");
  SetColWidth(kLastColumn, 100);

  SetNoteCellText(kTitleRow1, 0, "销售单号：" + Spaces(36) + "客户名称：");
  SetNoteCellText(kTitleRow2, 0, "经手人：" + Spaces(37) + "日期：" + NoteDateText());
}

//--- Title rows ---------------------------------------------------------------------

// The customer name follows the colon directly. A number the book issued for this note
// stays in front of the spaces.
rt::HandlerResult OnCustomerChanged(const rt::EventArgs&) {
  std::string name = ReadMainUnitText(kCustomerEditId, prop::kEditContent);
  SetNoteCellText(kTitleRow1, 0, "销售单号：" + IssuedNoteNumber() + Spaces(34) + "客户名称：" + name);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnDateChanged(const rt::EventArgs&) {
  SetNoteCellText(kTitleRow2, 0, "经手人：" + Spaces(30) + "日期：" + NoteDateText());
  return rt::HandlerResult::None();
}

// The print title is read only when printing.
rt::HandlerResult OnHeaderTextChanged(const rt::EventArgs&) { return rt::HandlerResult::None(); }

//--- Window size --------------------------------------------------------------------

// The grid keeps 5 pixels left and right, its top under the title controls at 30, and
// its bottom 20 pixels below the client area's.
rt::HandlerResult FitGridToWindow(const rt::EventArgs&) {
  double w = double(CoreCommand(rt::CoreCommand::kGetClientWidth, {MainWindowArg()}).Int()) - 10;
  // The grid sits below the title controls (top 30) with the side margin kept at the
  // bottom too, so the total row and the scroll bar's down arrow stay in view.
  double h = double(CoreCommand(rt::CoreCommand::kGetClientHeight, {MainWindowArg()}).Int()) - 35;
  // A client area narrower than the margins (a minimised window) gives an empty grid,
  // never a negative size (and never -1, which MoveUnit reads as "unchanged").
  int width = w > 0 ? int(w) : 0;
  int height = h > 0 ? int(h) : 0;
  CoreCommand(rt::CoreCommand::kMoveUnit,
              {NoteGridArg(), MakeInt(5), MakeInt(30), MakeInt(width), MakeInt(height)});
  return rt::HandlerResult::None();
}

}  // namespace app
