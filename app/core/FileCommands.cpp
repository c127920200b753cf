// The program menu: open a note file into the grid, save the grid to a note file, end
// the program. The file format and its safe replace on save are the grid's; every
// saved note is also recorded in the note book.
#include "app/core/FileCommands.h"

#include <string>

#include "app/core/BookCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/NoteHandlers.h"
#include "app/core/NoteRecording.h"
#include "app/core/NoteSession.h"
#include "app/core/OutboxCommands.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"

namespace app {

namespace {

const char* const kNoteFileFilter = "表格文件(*.qgd)|*.qgd";

bool ChooseNoteFile(uint32_t dialogId, std::string* fileName) {
  return ChooseFile(dialogId, kNoteFileFilter, fileName);
}

}  // namespace

bool ChooseFile(uint32_t dialogId, const char* filter, std::string* fileName) {
  WriteMainUnitText(dialogId, prop::kDialogFilter, filter);
  CommandResult confirmed = CoreCommand(rt::CoreCommand::kOpenDialog,
                                        {rt::MakeUnit(rt::tag::kCommonDialog, {kMainWindowId, dialogId})});
  if (!confirmed.Logic()) return false;
  *fileName = ReadMainUnitText(dialogId, prop::kDialogFileName);
  return true;
}

int Tell(const std::string& text, int flags) {
  // caption "信息："
  return CoreCommand(rt::CoreCommand::kInfoBox, {TextArg(text), rt::MakeInt(flags)}).Int();
}

// The file replaces the whole grid, layout included; nothing is recomputed until the
// next finished edit.
bool OpenNoteFile(const std::string& fileName) {
  if (!NoteGridCommand(grid::cmd::LoadFile, {TextArg(fileName)}).Logic()) {
    Tell("打开表格文件出错!", kStopIcon);
    return false;
  }
  MarkNoteClean("");
  return true;
}

// SaveFile ends an edit in progress first; a failed save leaves an existing file as it
// was. The book never stands in the way of the file: a note it cannot record is saved
// all the same, and the user is told what failed.
bool SaveNoteThroughDialog() {
  std::string fileName;
  if (!ChooseNoteFile(kSaveDialogId, &fileName)) return false;
  std::string unnumbered;  // why the book gave no number
  NumberUnnumberedNote(&unnumbered);
  if (!NoteGridCommand(grid::cmd::SaveFile, {TextArg(fileName)}).Logic()) {
    Tell("保存失败!", kStopIcon);
    return false;
  }
  Tell("保存成功!", kInformationIcon);
  MarkNoteSaved();
  if (!NoteBookConfigured()) return true;
  RecordOutcome outcome = RecordSavedNote(fileName, ServerUnreachable(unnumbered) ? unnumbered : "");
  // A server that cannot be reached is no failure of the save: one notice, in words.
  if (outcome.queued)
    Tell(QueuedNotice(outcome.waiting, !unnumbered.empty(), outcome.why), kInformationIcon);
  else if (!outcome.recorded)
    Tell("账本记录失败：" + outcome.why, kStopIcon);
  return true;
}

rt::HandlerResult OnOpen(const rt::EventArgs&) {
  std::string fileName;
  if (ChooseNoteFile(kOpenDialogId, &fileName)) OpenNoteFile(fileName);
  return rt::HandlerResult::None();
}

rt::HandlerResult OnSave(const rt::EventArgs&) {
  SaveNoteThroughDialog();
  return rt::HandlerResult::None();
}

bool MayDropNote() {
  if (!NoteHasUnsavedEdits()) return true;
  int answer = Tell("当前单据尚未保存，是否保存？", kYesNoCancelQuestion);
  if (answer == kAnswerYes) return SaveNoteThroughDialog();
  return answer == kAnswerNo;
}

// A note with unsaved edits is not dropped unasked.
rt::HandlerResult OnExit(const rt::EventArgs&) {
  if (MayDropNote()) rt::Services().EndProgram(0);
  return rt::HandlerResult::None();
}

// The close box: a false result keeps the window, and with it the program.
rt::HandlerResult OnMainWindowCloseRequest(const rt::EventArgs&) {
  return rt::HandlerResult::Of(MayDropNote() ? 1 : 0);
}

}  // namespace app
