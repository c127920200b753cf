// The 账本 menu: a new note with the book's next number, and the number format window.
#include "app/core/BookCommands.h"

#include <cmath>
#include <cstring>
#include <string>

#include "app/core/BookDates.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/NoteHandlers.h"
#include "app/core/NoteRecording.h"
#include "app/core/NoteRows.h"
#include "app/core/NoteSession.h"
#include "app/core/ProgramTemplates.h"
#include "book/core/GbkScan.h"
#include "book/core/NoteNumberText.h"
#include "grid/core/GridCommands.h"

namespace app {

namespace {

rt::DataValue NumberWindowArg() { return WindowArg(kNumberFormatWindowId, kNumberFormatWindowUnitId); }

std::string FormText(uint32_t unit) { return ReadUnitText(kNumberFormatWindowId, unit, prop::kEditContent); }

const char kNumberLabel[] = "销售单号：";

// The number in a title row as the book reads it ("" when there is none).
std::string TitleNumber(const std::string& title) {
  book::NoteRecord note;
  auto cell = [&title](int row, int) { return row == 0 ? title : std::string(); };
  return book::ReadNote(cell, kTotalRow + 1, kLastColumn + 1, &note, nullptr) ? note.number : std::string();
}

// The number the book hands out next, or empty with the reason (or none without a
// book to ask).
std::string NextNumberOrWhy(std::string* why) {
  if (!NoteBookConfigured()) return std::string();
  std::string number;
  book::NoteBook* notes = OpenNoteBook(why);
  return notes && notes->NextNumber(TodayText(), &number, why) ? number : std::string();
}

// Without a number from the book the note stays unnumbered for the trader to type one:
// a number made up here could be another PC's.
std::string TakeNextNumber() {
  std::string why, number = NextNumberOrWhy(&why);
  if (number.empty() && !why.empty())
    Tell("无法取得单据编号：" + why + "\n单号留空，可手工填写。", kStopIcon);
  return number;
}

// The blank note of the main window again, dated today; the print settings stay in the
// grid.
void MakeBlankNote(const std::string& number) {
  WriteMainUnitText(kCustomerEditId, prop::kEditContent, "");
  SetDateBox(kMainWindowId, kDateBoxId, TodayDateTime());
  NoteGridCommand(grid::cmd::NewGrid, {rt::MakeInt(kTotalRow + 1), rt::MakeInt(kLastColumn + 1)});
  BuildNoteLayout({});
  if (!number.empty())
    SetNoteCellText(kTitleRow1, 0, "销售单号：" + number + std::string(36, ' ') + "客户名称：");
  MarkNoteClean(number);
}

// The format the window shows now; false with the reason when the book cannot number
// with it.
bool FormFormat(book::NumberFormat* format, std::string* why) {
  format->prefix = FormText(kPrefixEditId);
  format->withDate = ReadUnitWords(kNumberFormatWindowId, kDatePartCheckId, prop::kChecked) != 0;
  double digits = ToNumber(TextArg(FormText(kDigitsEditId)));
  format->serialDigits = digits == std::floor(digits) && std::fabs(digits) < 100 ? int(digits) : 0;
  return book::CheckNumberFormat(*format, why);
}

}  // namespace

rt::HandlerResult OnMainWindowCreated(const rt::EventArgs& args) {
  BuildNoteLayout(args);
  MarkNoteClean("");
  OfferCustomerNames(kMainWindowId, kCustomerEditId);
  return rt::HandlerResult::None();
}

// Edits not saved since the note was opened, saved or made are not dropped unasked.
rt::HandlerResult OnNewNote(const rt::EventArgs&) {
  if (MayDropNote()) MakeBlankNote(TakeNextNumber());
  return rt::HandlerResult::None();
}

void NumberUnnumberedNote(std::string* why) {
  std::string title = NoteCellText(kTitleRow1, 0);
  size_t at = book::FindGbk(title, kNumberLabel);
  if (!NoteBookConfigured() || at == std::string::npos || !TitleNumber(title).empty()) return;
  // A book that cannot number now cannot record either: recording says why, once.
  std::string reason, number = NextNumberOrWhy(&reason);
  if (why) *why = reason;
  if (number.empty()) return;
  SetNoteCellText(kTitleRow1, 0, title.insert(at + std::strlen(kNumberLabel), number));
  KeepIssuedNumber(number);  // the customer box rewrites the title with it
}

rt::HandlerResult OnNumberFormat(const rt::EventArgs&) {
  if (!OpenNoteBookOrSay()) return rt::HandlerResult::None();
  CoreCommand(rt::CoreCommand::kLoadWindow, {NumberWindowArg(), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnNumberFormatShown(const rt::EventArgs&) {
  std::string why;
  book::NoteBook* notes = OpenNoteBook(&why);
  book::Answer<book::NumberFormat> format;
  if (notes) format = notes->GetNumberFormat();
  if (!format.ok) Tell(kUnreadBook + format.why, kStopIcon);
  WriteUnitText(kNumberFormatWindowId, kPrefixEditId, prop::kEditContent, format.value.prefix);
  WriteUnitWords(kNumberFormatWindowId, kDatePartCheckId, prop::kChecked, format.value.withDate ? 1 : 0);
  WriteUnitText(kNumberFormatWindowId, kDigitsEditId, prop::kEditContent,
                std::to_string(format.value.serialDigits));
  return OnNumberFormatChanged({});
}

// The sample shows the first number of today in the format as typed.
rt::HandlerResult OnNumberFormatChanged(const rt::EventArgs&) {
  book::NumberFormat format;
  std::string why;
  std::string sample =
      FormFormat(&format, &why)
          ? "示例：" + book::NoteNumberText(book::NumberStem(format, TodayText()), 1, format.serialDigits)
          : why;
  WriteUnitText(kNumberFormatWindowId, kSampleLabelId, prop::kCaption, sample);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnNumberFormatOk(const rt::EventArgs&) {
  book::NumberFormat format;
  std::string why;
  if (!FormFormat(&format, &why)) {
    Tell(why, kStopIcon);
    return rt::HandlerResult::None();
  }
  book::NoteBook* notes = OpenNoteBook(&why);
  if (!notes || !notes->SetNumberFormat(format, &why)) {
    Tell("账本记录失败：" + why, kStopIcon);
    return rt::HandlerResult::None();
  }
  CoreCommand(rt::CoreCommand::kCloseWindow, {NumberWindowArg(), kOmitted});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnNumberFormatCancel(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kCloseWindow, {NumberWindowArg(), kOmitted});
  return rt::HandlerResult::None();
}

}  // namespace app
