// 账本 → 备份账本… and 恢复账本…: a copy of the book in a file the trader chooses, made
// while the program runs, and the book put back from such a copy. The book replaced by
// a restore is kept beside it as notebook.db.bak. A server book is backed up into such a
// file too, but restored only on its server.
#include <string>

#include "app/core/BookCommands.h"
#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "book/core/BookText.h"
#include "book/server/ServerStore.h"

namespace app {

namespace {

const char kBookFilter[] = "账本文件(*.db)|*.db";

// The open book and the chosen file as a UTF-8 path; false after saying what failed.
bool BookAndFile(uint32_t dialogId, book::NoteBook** notes, std::string* pathUtf8, std::string* gbkName) {
  *notes = OpenNoteBookOrSay();
  if (!*notes) return false;
  if (!ChooseFile(dialogId, kBookFilter, gbkName)) return false;
  if (book::GbkToStoredUtf8(*gbkName, pathUtf8)) return true;
  Tell("文件名有误：" + *gbkName, kStopIcon);
  return false;
}

}  // namespace

rt::HandlerResult OnBackupBook(const rt::EventArgs&) {
  book::NoteBook* notes;
  std::string path, name, why;
  if (!BookAndFile(kSaveDialogId, &notes, &path, &name)) return rt::HandlerResult::None();
  if (notes->BackupTo(path, &why))
    Tell("账本已备份到：" + name, kInformationIcon);
  else
    Tell("备份账本失败：" + why, kStopIcon);
  return rt::HandlerResult::None();
}

// A server book is put back on its server: the program replaces only this PC's file.
rt::HandlerResult OnRestoreBook(const rt::EventArgs&) {
  if (NoteBookPlace().OnServer()) {
    Tell(book::reason::kRestoreServer, kStopIcon);
    return rt::HandlerResult::None();
  }
  book::NoteBook* notes;
  std::string path, name, why;
  if (!BookAndFile(kOpenDialogId, &notes, &path, &name)) return rt::HandlerResult::None();
  if (Tell("恢复将替换当前账本，是否继续？", kYesNoQuestion) != kAnswerYes) return rt::HandlerResult::None();
  const std::string kept = NoteBookPath() + ".bak";
  if (notes->RestoreFrom(path, kept, &why))
    Tell("账本已恢复。原账本保存为：" + book::StoredUtf8ToGbk(kept), kInformationIcon);
  else
    Tell("恢复账本失败：" + why, kStopIcon);
  return rt::HandlerResult::None();
}

}  // namespace app
