// After every finished cell edit: each item row with a quantity and a price gets its
// amount, and the total row shows the total in capital numerals and in figures.
//
// The total is summed after the new amounts are written, so the total row always agrees
// with the amounts shown above it.
#include <algorithm>
#include <string>

#include "app/core/NoteCalls.h"
#include "app/core/NoteHandlers.h"
#include "app/core/NoteRecording.h"
#include "app/core/NoteRows.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"

namespace app {

const char* const kCapitalPrefix = "大写金额：";
const char* const kFiguresPrefix = "小写金额：";

namespace {

constexpr int kTypeMismatch = 5;  // 数据或数组类型不匹配

CommandResult ReadCell(int row, int col) {
  return NoteGridCommand(grid::cmd::GetCellData, {rt::MakeInt(row), rt::MakeInt(col)});
}

double CellNumber(int row, int col) { return ToNumber(ReadCell(row, col).Value()); }

// A quantity or price cell must hold text (a check or picture cell does not); true when
// the text is not empty.
bool HasText(int row, int col) {
  CommandResult cell = ReadCell(row, col);
  if (!cell.IsText()) rt::Services().RaiseRuntimeError(kTypeMismatch);
  return !cell.Text().empty();
}

double SumOfAmounts() {
  double total = 0;
  for (int r = kFirstItemRow; r <= kLastItemRow; ++r) total += CellNumber(r, kAmountColumn);
  return total;
}

int NoteGridCount(int32_t property) { return int32_t(ReadMainUnitWords(kGridUnitId, property)); }

// An amount once written stays when its quantity or price is erased later.
//
// A note opened from a file of a smaller layout has fewer item rows (or no price
// column): the rows and columns it lacks are skipped, so the next finished edit does not
// end the program with a type mismatch over cells that are not there.
void WriteAmounts() {
  if (NoteGridCount(prop::kGridColCount) <= kPriceColumn) return;
  int lastRow = std::min(kLastItemRow, NoteGridCount(prop::kGridRowCount) - 1);
  for (int r = kFirstItemRow; r <= lastRow; ++r) {
    if (!HasText(r, kQuantityColumn)) continue;
    if (!HasText(r, kPriceColumn)) continue;
    double amount = CellNumber(r, kQuantityColumn) * CellNumber(r, kPriceColumn);
    SetNoteCell(r, kAmountColumn, rt::MakeDouble(amount));  // stored as "%.13g"
  }
}

}  // namespace

rt::HandlerResult RecalculateNote(const rt::EventArgs&) {
  FillRememberedPrices();
  WriteAmounts();
  double total = SumOfAmounts();
  CommandResult capital =
      CoreCommand(rt::CoreCommand::kNumberToCapital, {rt::MakeDouble(total), rt::MakeLogic(false)});
  SetNoteCellText(kTotalRow, kCapitalColumn, kCapitalPrefix + capital.Text());
  SetNoteCellText(kTotalRow, kAmountColumn, kFiguresPrefix + ToText(rt::MakeDouble(total)));
  return rt::HandlerResult::None();
}

}  // namespace app
