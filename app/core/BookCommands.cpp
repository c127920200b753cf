// The 账本 menu: a new note with the book's next number, and the number format window.
#include "app/core/BookCommands.h"

#include <cmath>
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
#include "book/core/NoteNumberText.h"
#include "grid/core/GridCommands.h"

namespace app {

namespace {

rt::DataValue NumberWindowArg() { return WindowArg(kNumberFormatWindowId, kNumberFormatWindowUnitId); }

std::string FormText(uint32_t unit) { return ReadUnitText(kNumberFormatWindowId, unit, prop::kEditContent); }

// The number the book hands out next, or empty when there is no book to ask.
std::string TakeNextNumber() {
  if (!NoteBookConfigured()) return std::string();
  std::string number, why;
  book::NoteBook* notes = OpenNoteBook(&why);
  if (notes && notes->NextNumber(TodayText(), &number, &why)) return number;
  Tell("无法取得单据编号：" + why, kStopIcon);
  return std::string();
}

// The blank note of the main window again, dated today; the print settings stay in the
// grid.
void MakeBlankNote(const std::string& number) {
  WriteMainUnitText(kCustomerEditId, prop::kEditContent, "");
  SetDateBox(kMainWindowId, kDateBoxId, TodayDateTime());
  NoteGridCommand(grid::cmd::NewGrid, {rt::MakeInt(kTotalRow + 1), rt::MakeInt(kLastColumn + 1)});
  BuildNoteLayout({});
  if (!number.empty()) SetNoteCellText(kTitleRow1, 0, "销售单号：" + number + std::string(36, ' ') + "客户名称：");
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
  if (NoteHasUnsavedEdits()) {
    int answer = Tell("当前单据尚未保存，是否保存？", kYesNoCancelQuestion);
    if (answer == kAnswerYes && !SaveNoteThroughDialog()) return rt::HandlerResult::None();
    if (answer != kAnswerYes && answer != kAnswerNo) return rt::HandlerResult::None();
  }
  MakeBlankNote(TakeNextNumber());
  return rt::HandlerResult::None();
}

rt::HandlerResult OnNumberFormat(const rt::EventArgs&) {
  if (!OpenNoteBookOrSay()) return rt::HandlerResult::None();
  CoreCommand(rt::CoreCommand::kLoadWindow, {NumberWindowArg(), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnNumberFormatShown(const rt::EventArgs&) {
  std::string why;
  book::NoteBook* notes = OpenNoteBook(&why);
  book::NumberFormat format = notes ? notes->GetNumberFormat() : book::NumberFormat{};
  WriteUnitText(kNumberFormatWindowId, kPrefixEditId, prop::kEditContent, format.prefix);
  WriteUnitWords(kNumberFormatWindowId, kDatePartCheckId, prop::kChecked, format.withDate ? 1 : 0);
  WriteUnitText(kNumberFormatWindowId, kDigitsEditId, prop::kEditContent, std::to_string(format.serialDigits));
  return OnNumberFormatChanged({});
}

// The sample shows the first number of today in the format as typed.
rt::HandlerResult OnNumberFormatChanged(const rt::EventArgs&) {
  book::NumberFormat format;
  std::string why;
  std::string sample = FormFormat(&format, &why)
                           ? "示例：" + book::NoteNumberText(book::NumberStem(format, TodayText()), 1,
                                                             format.serialDigits)
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
