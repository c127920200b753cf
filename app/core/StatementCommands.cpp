// The 客户对账单 window: one customer's deliveries and payments in a period (this month
// when it opens) and what is owed, shown in its grid, printed and previewed by the
// grid with the head rows on every page, and exported as CSV for a spreadsheet. Each
// button first makes the statement again from the window's inputs, so what is printed
// or exported is what those inputs ask for now.
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "app/core/BookCommands.h"
#include "app/core/BookDates.h"
#include "app/core/CsvExport.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/NoteRecording.h"
#include "app/core/ProgramTemplates.h"
#include "app/core/StatementSheet.h"
#include "book/core/BookDate.h"
#include "book/core/CustomerName.h"
#include "book/core/StatementCsv.h"
#include "grid/core/GridCommands.h"

namespace app {

namespace {

rt::DataValue StatementWindowArg() { return WindowArg(kStatementWindowId, kStatementWindowUnitId); }
rt::DataValue StatementGridArg() {
  return rt::MakeUnit(rt::tag::kGrid, {kStatementWindowId, kStatementGridId});
}

CommandResult Grid(rt::CommandFn command, std::initializer_list<rt::DataValue> args) {
  return GridCommand(StatementGridArg(), command, args);
}

void SetCell(int row, int col, const std::string& text) {
  Grid(grid::cmd::SetCellData, {rt::MakeInt(row), rt::MakeInt(col), rt::MakeInt(1), TextArg(text)});
}

void ShowSheet(const StatementSheet& sheet) {
  Grid(grid::cmd::NewGrid, {rt::MakeInt(int(sheet.rows.size())), rt::MakeInt(kStatementColumns)});
  WriteUnitWords(kStatementWindowId, kStatementGridId, prop::kGridHeadRowCount, kStatementHeadRows);
  const int widths[kStatementColumns] = {84, 132, 100, 60, 50, 66, 84, 96};
  for (int c = 0; c < kStatementColumns; ++c)
    Grid(grid::cmd::SetColWidth, {rt::MakeInt(c), rt::MakeInt(widths[c])});
  for (size_t r = 0; r < sheet.rows.size(); ++r)
    for (int c = 0; c < kStatementColumns; ++c)
      if (!sheet.rows[r][c].empty()) SetCell(int(r), c, sheet.rows[r][c]);
  for (const StatementSheet::Merge& m : sheet.merges)
    Grid(grid::cmd::MergeCells,
         {rt::MakeInt(m.row), rt::MakeInt(m.firstCol), rt::MakeInt(m.row), rt::MakeInt(m.lastCol)});
}

// The amount as the figures show it, rounded to the fen, in capital numerals.
std::string CapitalOf(book::Money amount) {
  double value = std::strtod(book::MoneyText(amount).c_str(), nullptr);
  CommandResult capital =
      CoreCommand(rt::CoreCommand::kNumberToCapital, {rt::MakeDouble(value), rt::MakeLogic(false)});
  return ToText(capital.Value());
}

// The statement the window's inputs ask for, shown in the grid; none after saying why.
std::optional<book::Statement> MakeAndShow() {
  // The book keeps names trimmed, as the notes' title cells give them.
  std::string customer =
      book::CustomerName(ReadUnitText(kStatementWindowId, kStatementCustomerEditId, prop::kEditContent));
  if (customer.empty()) {
    Tell("请输入客户名称。", kInformationIcon);
    return std::nullopt;
  }
  book::NoteBook* notes = OpenNoteBookOrSay();
  if (!notes) return std::nullopt;
  book::Statement statement;
  std::string why;
  std::string from = DateBoxText(kStatementWindowId, kStatementFromBoxId);
  std::string to = DateBoxText(kStatementWindowId, kStatementToBoxId);
  if (!notes->MakeStatement(customer, from, to, &statement, &why)) {
    Tell("无法生成对账单：" + why, kStopIcon);
    return std::nullopt;
  }
  ShowSheet(BuildStatementSheet(statement, CapitalOf(statement.closing)));
  return statement;
}

// The grid prints under the title "对账单" (its head rows on every page, the page
// number below).
bool MakeAndShowForPrinting() {
  if (!MakeAndShow()) return false;
  Grid(grid::cmd::SetPrintTitle,
       {TextArg("对账单"), TextArg("宋体"), rt::MakeInt(22), rt::MakeLogic(true), rt::MakeInt(2)});
  return true;
}

// What OpenStatementWindow asks the window to show when it opens.
struct StatementRequest {
  std::string customer;
  double from, to;
};
std::optional<StatementRequest>& Asked() {
  static std::optional<StatementRequest> asked;
  return asked;
}

// The last day of this month, as a date-time.
double MonthEnd() {
  std::string today = TodayText();
  int year = std::atoi(today.c_str()), month = std::atoi(today.c_str() + 5),
      day = std::atoi(today.c_str() + 8);
  int last = 31;
  while (last > 28 && !book::IsValidDay(year, month, last)) --last;
  return TodayDateTime() + (last - day);
}

}  // namespace

// A book that cannot be opened (a server that does not answer) is said, not shown as
// an empty statement.
rt::HandlerResult OnStatement(const rt::EventArgs&) {
  if (!OpenNoteBookOrSay()) return rt::HandlerResult::None();
  CoreCommand(rt::CoreCommand::kLoadWindow, {StatementWindowArg(), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

void OpenStatementWindow(const std::string& customer, double from, double to) {
  Asked() = StatementRequest{customer, from, to};
  OnStatement({});
  Asked().reset();
}

// This month, and the customer of the note on screen when it names one; or what
// OpenStatementWindow asks for.
rt::HandlerResult OnStatementShown(const rt::EventArgs&) {
  OfferCustomerNames(kStatementWindowId, kStatementCustomerEditId);
  std::optional<StatementRequest> asked = std::exchange(Asked(), std::nullopt);
  double today = TodayDateTime();
  SetDateBox(kStatementWindowId, kStatementFromBoxId,
             asked ? asked->from : today - (std::atoi(TodayText().c_str() + 8) - 1));
  SetDateBox(kStatementWindowId, kStatementToBoxId, asked ? asked->to : MonthEnd());
  for (int c = 0; c < kStatementColumns; ++c) SetCell(kStatementHeadRows - 1, c, kStatementColumnNames[c]);
  std::string customer =
      asked ? asked->customer : book::CustomerName(ReadMainUnitText(kCustomerEditId, prop::kEditContent));
  if (!customer.empty()) {
    WriteUnitText(kStatementWindowId, kStatementCustomerEditId, prop::kEditContent, customer);
    MakeAndShow();
  }
  return rt::HandlerResult::None();
}

rt::HandlerResult OnStatementQuery(const rt::EventArgs&) {
  MakeAndShow();
  return rt::HandlerResult::None();
}

rt::HandlerResult OnStatementPreview(const rt::EventArgs&) {
  if (MakeAndShowForPrinting()) Grid(grid::cmd::PrintPreview, {});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnStatementPrint(const rt::EventArgs&) {
  if (MakeAndShowForPrinting()) Grid(grid::cmd::Print, {});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnStatementExport(const rt::EventArgs&) {
  if (std::optional<book::Statement> statement = MakeAndShow())
    ExportCsv(kStatementWindowId, kStatementSaveDialogId, statement->customer + "对账单.csv",
              book::StatementCsv(*statement), "对账单");
  return rt::HandlerResult::None();
}

}  // namespace app
