// Backing the book up and restoring it with SQLite's online backup, which copies a
// consistent state page by page while other connections go on reading and writing.
#include <cstring>

#include "book/core/BookErrors.h"
#include "book/core/SqliteStore.h"

namespace book {

namespace {

const char kCannotOpenBackup[] = "无法打开备份文件";
const char kBackupIsTheBook[] = "备份文件不能是账本本身";

bool Refuse(const char* reason, std::string* why) {
  if (why) *why = reason;
  return false;
}

bool Refuse(const std::string& reason, std::string* why) { return Refuse(reason.c_str(), why); }

// Copies every page of `from` into `to`; waits out a writer up to the book's wait.
int CopyDatabase(sqlite3* to, sqlite3* from) {
  sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
  if (!backup) return sqlite3_errcode(to);
  int rc, waited = 0;
  while ((rc = sqlite3_backup_step(backup, 1024)) == SQLITE_OK ||
         ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && waited < kBookWaitMs)) {
    if (rc != SQLITE_OK) waited += sqlite3_sleep(10);
  }
  int finished = sqlite3_backup_finish(backup);
  return rc == SQLITE_DONE ? finished : rc;
}

bool SameFile(sqlite3* db, const std::string& pathUtf8) {
  const char* own = sqlite3_db_filename(db, "main");
  sql::Connection other;
  sqlite3* probe = nullptr;
  // SQLite's own full path of the other file, when it can open it without making it.
  int rc = sqlite3_open_v2(pathUtf8.c_str(), &probe, SQLITE_OPEN_READONLY, nullptr);
  other.reset(probe);
  const char* theirs = rc == SQLITE_OK ? sqlite3_db_filename(probe, "main") : nullptr;
  return own && theirs && *own && std::strcmp(own, theirs) == 0;
}

int OpenFile(const std::string& pathUtf8, int flags, sql::Connection* db) {
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(pathUtf8.c_str(), &raw, flags, nullptr);
  db->reset(raw);
  if (rc == SQLITE_OK) sqlite3_busy_timeout(raw, kBookWaitMs);
  return rc;
}

// "" when the backup holds an undamaged book, else the reason.
std::string CheckBackup(sqlite3* db) {
  std::string reason = JudgeBookFile(db);
  if (!reason.empty()) return reason;
  sql::Statement check(db, "PRAGMA quick_check");
  int rc = check.Step();
  if (rc != SQLITE_ROW) return ReasonForCode(rc);
  return check.Gbk(0) == "ok" ? "" : reason::kDamaged;
}

}  // namespace

bool SqliteStore::BackupTo(const std::string& pathUtf8, std::string* why) {
  sqlite3* db = db_.get();
  if (SameFile(db, pathUtf8)) return Refuse(kBackupIsTheBook, why);
  sql::Connection copy;
  int rc = OpenFile(pathUtf8, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &copy);
  if (rc != SQLITE_OK) return Succeeded(rc, why);
  return Succeeded(CopyDatabase(copy.get(), db), why);
}

bool SqliteStore::RestoreFrom(const std::string& pathUtf8, const std::string& keepUtf8, std::string* why) {
  sqlite3* db = db_.get();
  if (SameFile(db, pathUtf8)) return Refuse(kBackupIsTheBook, why);
  sql::Connection backup;
  if (OpenFile(pathUtf8, SQLITE_OPEN_READONLY, &backup) != SQLITE_OK) return Refuse(kCannotOpenBackup, why);
  std::string reason = CheckBackup(backup.get());
  if (!reason.empty()) return Refuse(reason, why);
  if (!BackupTo(keepUtf8, why)) return false;
  int rc = CopyDatabase(db, backup.get());
  if (rc == SQLITE_OK) rc = BringUpToDate(db);
  return Succeeded(rc, why);
}

}  // namespace book
