// The day serials and the settings in the file. The serial is taken and stored in one
// write transaction, so two programs sharing the book never get the same number.
#include "book/core/SqliteStore.h"

namespace book {

namespace {

int LastSerial(sqlite3* db, const std::string& stem, int64_t* last) {
  sql::Statement s(db, "SELECT last FROM serials WHERE stem = ?1");
  s.BindGbk(1, stem);
  int rc = s.Step();
  *last = rc == SQLITE_ROW ? s.Int(0) : 0;
  return rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int NumberTaken(sqlite3* db, const std::string& number, bool* taken) {
  sql::Statement s(db, "SELECT 1 FROM notes WHERE number = ?1 AND number <> ''");
  s.BindGbk(1, number);
  int rc = s.Step();
  *taken = rc == SQLITE_ROW;
  return rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int StoreSerial(sqlite3* db, const std::string& stem, int64_t serial) {
  sql::Statement s(db, "INSERT OR REPLACE INTO serials(stem, last) VALUES(?1, ?2)");
  s.BindGbk(1, stem);
  s.Bind(2, serial);
  return s.Run();
}

// Whole numbers stay integers in the file, as the settings always were.
bool IsWholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 18 || (text[0] == '0' && text.size() > 1)) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

bool SqliteStore::TakeSerial(const std::string& stem, const NumberOfSerial& numberOf, std::string* number,
                             std::string* why) {
  sqlite3* db = db_.get();
  sql::WriteTransaction transaction(db);
  int rc = transaction.BeginResult();
  int64_t serial = 0;
  if (rc == SQLITE_OK) rc = LastSerial(db, stem, &serial);
  std::string taken;
  for (bool used = true; rc == SQLITE_OK && used;) {
    taken = numberOf(++serial);
    rc = NumberTaken(db, taken, &used);
  }
  if (rc == SQLITE_OK) rc = StoreSerial(db, stem, serial);
  if (rc == SQLITE_OK) rc = transaction.Commit();
  if (rc == SQLITE_OK) *number = taken;
  return Succeeded(rc, why);
}

bool SqliteStore::ReadSettings(const std::string& prefix, std::vector<BookContents::Setting>* settings,
                               std::string* why) {
  sql::Statement s(db_.get(), "SELECT key, value FROM settings WHERE substr(key, 1, length(?1)) = ?1");
  s.BindGbk(1, prefix);
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) settings->push_back({s.Gbk(0), s.Gbk(1)});
  return Succeeded(rc == SQLITE_DONE ? SQLITE_OK : rc, why);
}

bool SqliteStore::WriteSettings(const std::vector<BookContents::Setting>& settings, std::string* why) {
  sqlite3* db = db_.get();
  sql::WriteTransaction transaction(db);
  int rc = transaction.BeginResult();
  sql::Statement s(db, "INSERT OR REPLACE INTO settings(key, value) VALUES(?1, ?2)");
  for (const BookContents::Setting& setting : settings) {
    if (rc != SQLITE_OK) break;
    s.BindGbk(1, setting.key);
    if (IsWholeNumber(setting.value))
      s.Bind(2, int64_t(std::stoll(setting.value)));
    else
      s.BindGbk(2, setting.value);
    rc = s.Run();
    s.Reset();
  }
  if (rc == SQLITE_OK) rc = transaction.Commit();
  return Succeeded(rc, why);
}

}  // namespace book
