// Voiding a note: its record stays, marked, and every sum leaves it out.
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

std::string NoSuchNote(const std::string& number) { return "账本中没有单号为 " + number + " 的单据"; }

}  // namespace

bool NoteBook::SetVoided(const std::string& number, bool voided, std::string* why) {
  if (number.empty()) return impl_->Fail("没有单号的单据不能作废", why);
  sqlite3* db = impl_->db.get();
  sql::Statement s(db, "UPDATE notes SET voided = ?1 WHERE number = ?2 AND number <> ''");
  s.Bind(1, int64_t(voided ? 1 : 0));
  s.BindGbk(2, number);
  int rc = s.Run();
  if (rc != SQLITE_OK) return impl_->Fail(rc, why);
  if (sqlite3_changes(db) == 0) return impl_->Fail(NoSuchNote(number), why);
  impl_->Succeeded();
  return true;
}

bool NoteBook::IsVoided(const std::string& number, bool* voided, std::string* why) {
  *voided = false;
  sql::Statement s(impl_->db.get(), "SELECT voided FROM notes WHERE number = ?1 AND number <> ''");
  s.BindGbk(1, number);
  int rc = s.Step();
  if (rc == SQLITE_ROW) *voided = s.Int(0) != 0;
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) return impl_->Fail(rc, why);
  impl_->Succeeded();
  return true;
}

}  // namespace book
