// The 历史单据 window: the recorded notes, newest first, filtered by customer and by an
// optional date range; a double-click opens a note's file in the main window, and a
// chosen note can be voided (作废) and put back (取消作废).
#include <string>
#include <vector>

#include "app/core/BookCommands.h"
#include "app/core/BookDates.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/NoteRecording.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"
#include "grid/core/PlatformFile.h"

namespace app {

namespace {

// More rows than a person reads; the count line says how many matched.
constexpr size_t kMostRowsShown = 2000;
constexpr int kColumns = 6;  // 日期 单号 客户 合计 状态 文件
constexpr int kFileColumn = 5;

// The notes the list shows, row 1 on, and the row chosen last (-1: none).
struct ShownNotes {
  std::vector<book::NoteSummary> notes;
  int chosenRow = -1;
};

ShownNotes& Shown() {
  static ShownNotes shown;
  return shown;
}

rt::DataValue HistoryWindowArg() { return WindowArg(kHistoryWindowId, kHistoryWindowUnitId); }
rt::DataValue HistoryGridArg() { return rt::MakeUnit(rt::tag::kGrid, {kHistoryWindowId, kHistoryGridId}); }

void SetCell(int row, int col, const std::string& text) {
  GridCommand(HistoryGridArg(), grid::cmd::SetCellData,
              {rt::MakeInt(row), rt::MakeInt(col), rt::MakeInt(1), TextArg(text)});
}

std::string CellText(int row, int col) {
  CommandResult cell =
      GridCommand(HistoryGridArg(), grid::cmd::GetCellData, {rt::MakeInt(row), rt::MakeInt(col)});
  return cell.IsText() ? cell.Text() : std::string();
}

book::NoteFilter FilterOfWindow() {
  book::NoteFilter filter;
  filter.customer = ReadUnitText(kHistoryWindowId, kHistoryCustomerEditId, prop::kEditContent);
  if (ReadUnitWords(kHistoryWindowId, kHistoryByDateCheckId, prop::kChecked) != 0) {
    filter.from = DateBoxText(kHistoryWindowId, kHistoryFromBoxId);
    filter.to = DateBoxText(kHistoryWindowId, kHistoryToBoxId);
  }
  return filter;
}

void ShowNotes(std::vector<book::NoteSummary> notes) {
  size_t shown = notes.size() < kMostRowsShown ? notes.size() : kMostRowsShown;
  GridCommand(HistoryGridArg(), grid::cmd::NewGrid, {rt::MakeInt(int(shown) + 1), rt::MakeInt(kColumns)});
  WriteUnitWords(kHistoryWindowId, kHistoryGridId, prop::kGridHeadRowCount, 1);
  const char* const headers[kColumns] = {"日期", "单号", "客户", "合计", "状态", "文件"};
  const int widths[kColumns] = {90, 130, 130, 80, 50, 176};
  for (int c = 0; c < kColumns; ++c) {
    SetCell(0, c, headers[c]);
    GridCommand(HistoryGridArg(), grid::cmd::SetColWidth, {rt::MakeInt(c), rt::MakeInt(widths[c])});
  }
  size_t voided = 0;
  for (size_t i = 0; i < notes.size(); ++i) {
    const book::NoteSummary& n = notes[i];
    voided += n.voided;
    if (i >= shown) continue;
    int row = int(i) + 1;
    SetCell(row, 0, n.noteDate);
    SetCell(row, 1, n.number);
    SetCell(row, 2, n.customer);
    SetCell(row, 3, book::MoneyDecimal(n.total));
    if (n.voided) SetCell(row, 4, "作废");
    SetCell(row, kFileColumn, n.filePath);
  }
  std::string count = "共 " + std::to_string(notes.size()) + " 张单据";
  if (voided) count += "（作废 " + std::to_string(voided) + " 张）";
  if (shown < notes.size()) count += "，列出最近的 " + std::to_string(shown) + " 张";
  WriteUnitText(kHistoryWindowId, kHistoryCountLabelId, prop::kCaption, count);
  notes.resize(shown);
  Shown() = ShownNotes{std::move(notes), -1};
}

// A list the book could not read is no empty list: the count line says why.
void QueryAndShow() {
  book::NoteBook* notes = OpenNoteBookOrSay();
  if (!notes) return;
  book::Answer<std::vector<book::NoteSummary>> listed = notes->List(FilterOfWindow());
  ShowNotes(listed.value);
  if (!listed.ok)
    WriteUnitText(kHistoryWindowId, kHistoryCountLabelId, prop::kCaption, kUnreadBook + listed.why);
}

// The chosen note voided or put back, after the question when voiding; the list again.
void SetChosenVoided(bool voided) {
  const ShownNotes& shown = Shown();
  if (shown.chosenRow < 1) {
    Tell("请先在列表中选择一张单据", kInformationIcon);
    return;
  }
  const book::NoteSummary& note = shown.notes[size_t(shown.chosenRow) - 1];
  if (note.voided == voided) {
    Tell(voided ? "该单据已经作废。" : "该单据没有作废。", kInformationIcon);
    return;
  }
  if (voided && Tell("作废后该单据不再计入对账单和欠款，是否继续？", kYesNoQuestion) != kAnswerYes) return;
  book::NoteBook* notes = OpenNoteBookOrSay();
  if (!notes) return;
  std::string why;
  if (!notes->SetVoided(note.number, voided, &why))
    Tell((voided ? "作废失败：" : "取消作废失败：") + why, kStopIcon);
  QueryAndShow();
}

}  // namespace

// A book that cannot be opened (a server that does not answer) is said, not shown as
// an empty list.
rt::HandlerResult OnHistory(const rt::EventArgs&) {
  if (!OpenNoteBookOrSay()) return rt::HandlerResult::None();
  CoreCommand(rt::CoreCommand::kLoadWindow, {HistoryWindowArg(), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnHistoryShown(const rt::EventArgs&) {
  OfferCustomerNames(kHistoryWindowId, kHistoryCustomerEditId);
  // The date range, when it is used, starts as this month.
  double today = TodayDateTime();
  std::string ymd = TodayText();
  SetDateBox(kHistoryWindowId, kHistoryFromBoxId, today - (std::stoi(ymd.substr(8, 2)) - 1));
  SetDateBox(kHistoryWindowId, kHistoryToBoxId, today);
  QueryAndShow();
  return rt::HandlerResult::None();
}

rt::HandlerResult OnHistoryQuery(const rt::EventArgs&) {
  QueryAndShow();
  return rt::HandlerResult::None();
}

// Grid event 11: the focus cell's row and column.
rt::HandlerResult OnHistoryChosen(const rt::EventArgs& args) {
  ShownNotes& shown = Shown();
  shown.chosenRow = -1;
  if (args.count < 1 || args.values[0].type != rt::tag::kInt) return rt::HandlerResult::None();
  int row = int32_t(args.values[0].low);
  if (row >= 1 && size_t(row) <= shown.notes.size()) shown.chosenRow = row;
  return rt::HandlerResult::None();
}

rt::HandlerResult OnHistoryVoid(const rt::EventArgs&) {
  SetChosenVoided(true);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnHistoryUnvoid(const rt::EventArgs&) {
  SetChosenVoided(false);
  return rt::HandlerResult::None();
}

// Event 10 of the list: row and column of the cell double-clicked.
rt::HandlerResult OnHistoryOpenNote(const rt::EventArgs& args) {
  if (args.count < 1 || args.values[0].type != rt::tag::kInt) return rt::HandlerResult::None();
  int row = int32_t(args.values[0].low);
  if (row < 1) return rt::HandlerResult::None();  // the header row
  std::string path = CellText(row, kFileColumn);
  if (path.empty()) return rt::HandlerResult::None();
  std::vector<uint8_t> bytes;
  if (!grid::ReadWholeFile(path, size_t(1) << 30, &bytes)) {
    Tell("找不到单据文件：" + path, kStopIcon);
    return rt::HandlerResult::None();
  }
  if (OpenNoteFile(path)) CoreCommand(rt::CoreCommand::kCloseWindow, {HistoryWindowArg(), kOmitted});
  return rt::HandlerResult::None();
}

}  // namespace app
