// The program menu: open a note file into the grid, save the grid to a note file, end
// the program. The file format and its safe replace on save are the grid's.
#include <string>

#include "app/core/NoteCalls.h"
#include "app/core/NoteHandlers.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridCommands.h"

namespace app {

namespace {

const char* const kNoteFileFilter = "表格文件(*.qgd)|*.qgd";
constexpr int kStopIcon = 0x10;
constexpr int kInformationIcon = 0x40;

// Sets the note filter on the dialog and shows it; the chosen file name, or nothing
// when the user cancelled.
bool ChooseNoteFile(uint32_t dialogId, std::string* fileName) {
  WriteMainUnitText(dialogId, prop::kDialogFilter, kNoteFileFilter);
  CommandResult confirmed = CoreCommand(rt::CoreCommand::kOpenDialog,
                                        {rt::MakeUnit(rt::tag::kCommonDialog, {kMainWindowId, dialogId})});
  if (!confirmed.Logic()) return false;
  *fileName = ReadMainUnitText(dialogId, prop::kDialogFileName);
  return true;
}

void Tell(const char* text, int icon) {
  CoreCommand(rt::CoreCommand::kInfoBox, {TextArg(text), rt::MakeInt(icon)});  // caption "信息："
}

}  // namespace

// The file replaces the whole grid, layout included; nothing is recomputed until the
// next finished edit.
rt::HandlerResult OnOpen(const rt::EventArgs&) {
  std::string fileName;
  if (!ChooseNoteFile(kOpenDialogId, &fileName)) return rt::HandlerResult::None();
  if (!NoteGridCommand(grid::cmd::LoadFile, {TextArg(fileName)}).Logic())
    Tell("打开表格文件出错!", kStopIcon);
  return rt::HandlerResult::None();
}

// SaveFile ends an edit in progress first; a failed save leaves an existing file as it was.
rt::HandlerResult OnSave(const rt::EventArgs&) {
  std::string fileName;
  if (!ChooseNoteFile(kSaveDialogId, &fileName)) return rt::HandlerResult::None();
  if (NoteGridCommand(grid::cmd::SaveFile, {TextArg(fileName)}).Logic())
    Tell("保存成功!", kInformationIcon);
  else
    Tell("保存失败!", kStopIcon);
  return rt::HandlerResult::None();
}

// Nothing is saved and nothing is asked.
rt::HandlerResult OnExit(const rt::EventArgs&) {
  rt::Services().EndProgram(0);
  return rt::HandlerResult::None();  // not reached
}

}  // namespace app
