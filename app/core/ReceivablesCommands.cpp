// The 欠款汇总 window: what every customer owes on the day in its date box (today when it
// opens), aged; printed and previewed by the grid with the day and the column names on
// every page, exported as CSV; a double-click on a customer opens that customer's
// statement from the first of the month to the day. Each button first reads the book
// again, so what is printed or exported is what the date box asks for now.
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/core/BookCommands.h"
#include "app/core/BookDates.h"
#include "app/core/CsvExport.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/ProgramTemplates.h"
#include "app/core/ReceivablesSheet.h"
#include "grid/core/GridCommands.h"
#include "runtime/core/DateTime.h"

namespace app {

namespace {

// The summary shown: its day and its customers, row kReceivablesHeadRows on.
struct ShownReceivables {
  std::string asOf;
  std::vector<std::string> customers;
};

ShownReceivables& Shown() {
  static ShownReceivables shown;
  return shown;
}

rt::DataValue ReceivablesWindowArg() { return WindowArg(kReceivablesWindowId, kReceivablesWindowUnitId); }

CommandResult Grid(rt::CommandFn command, std::initializer_list<rt::DataValue> args) {
  return GridCommand(rt::MakeUnit(rt::tag::kGrid, {kReceivablesWindowId, kReceivablesGridId}), command, args);
}

void ShowSheet(const ReceivablesSheet& sheet) {
  Grid(grid::cmd::NewGrid, {rt::MakeInt(int(sheet.rows.size())), rt::MakeInt(kReceivablesColumns)});
  WriteUnitWords(kReceivablesWindowId, kReceivablesGridId, prop::kGridHeadRowCount, kReceivablesHeadRows);
  const int widths[kReceivablesColumns] = {130, 86, 86, 86, 76, 76, 76, 76};  // no horizontal scroll bar
  for (int c = 0; c < kReceivablesColumns; ++c)
    Grid(grid::cmd::SetColWidth, {rt::MakeInt(c), rt::MakeInt(widths[c])});
  for (size_t r = 0; r < sheet.rows.size(); ++r)
    for (int c = 0; c < kReceivablesColumns; ++c)
      if (!sheet.rows[r][c].empty())
        Grid(grid::cmd::SetCellData,
             {rt::MakeInt(int(r)), rt::MakeInt(c), rt::MakeInt(1), TextArg(sheet.rows[r][c])});
  Grid(grid::cmd::MergeCells,
       {rt::MakeInt(0), rt::MakeInt(0), rt::MakeInt(0), rt::MakeInt(kReceivablesColumns - 1)});
}

// The summary on the window's day, shown in the grid; none after saying why.
std::optional<book::Receivables> MakeAndShow() {
  book::NoteBook* notes = OpenNoteBookOrSay();
  if (!notes) return std::nullopt;
  book::Receivables receivables;
  std::string why;
  if (!notes->MakeReceivables(DateBoxText(kReceivablesWindowId, kReceivablesDateBoxId), &receivables, &why)) {
    Tell("无法汇总欠款：" + why, kStopIcon);
    return std::nullopt;
  }
  ShowSheet(BuildReceivablesSheet(receivables));
  ShownReceivables& shown = Shown();
  shown.asOf = receivables.asOf;
  shown.customers.clear();
  for (const book::ReceivableRow& row : receivables.rows) shown.customers.push_back(row.customer);
  return receivables;
}

// The grid prints under the title "欠款汇总", the day and the column names on every page.
bool MakeAndShowForPrinting() {
  if (!MakeAndShow()) return false;
  Grid(grid::cmd::SetPrintTitle,
       {TextArg("欠款汇总"), TextArg("宋体"), rt::MakeInt(22), rt::MakeLogic(true), rt::MakeInt(2)});
  return true;
}

}  // namespace

rt::HandlerResult OnReceivables(const rt::EventArgs&) {
  if (!OpenNoteBookOrSay()) return rt::HandlerResult::None();
  CoreCommand(rt::CoreCommand::kLoadWindow, {ReceivablesWindowArg(), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnReceivablesShown(const rt::EventArgs&) {
  SetDateBox(kReceivablesWindowId, kReceivablesDateBoxId, TodayDateTime());
  MakeAndShow();
  return rt::HandlerResult::None();
}

rt::HandlerResult OnReceivablesQuery(const rt::EventArgs&) {
  MakeAndShow();
  return rt::HandlerResult::None();
}

rt::HandlerResult OnReceivablesPreview(const rt::EventArgs&) {
  if (MakeAndShowForPrinting()) Grid(grid::cmd::PrintPreview, {});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnReceivablesPrint(const rt::EventArgs&) {
  if (MakeAndShowForPrinting()) Grid(grid::cmd::Print, {});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnReceivablesExport(const rt::EventArgs&) {
  if (std::optional<book::Receivables> receivables = MakeAndShow())
    ExportCsv(kReceivablesWindowId, kReceivablesSaveDialogId, "欠款汇总" + receivables->asOf + ".csv",
              book::ReceivablesCsv(*receivables), "欠款汇总");
  return rt::HandlerResult::None();
}

// Event 10 of the grid: row and column of the cell double-clicked. The head rows and
// the total are no customer.
rt::HandlerResult OnReceivablesOpenStatement(const rt::EventArgs& args) {
  if (args.count < 1 || args.values[0].type != rt::tag::kInt) return rt::HandlerResult::None();
  const ShownReceivables& shown = Shown();
  int index = int32_t(args.values[0].low) - kReceivablesHeadRows;
  if (index < 0 || size_t(index) >= shown.customers.size()) return rt::HandlerResult::None();
  const char* day = shown.asOf.c_str();
  int year = std::atoi(day), month = std::atoi(day + 5);
  OpenStatementWindow(shown.customers[size_t(index)], rt::MakeDateTime(year, month, 1),
                      rt::MakeDateTime(year, month, std::atoi(day + 8)));
  return rt::HandlerResult::None();
}

}  // namespace app
