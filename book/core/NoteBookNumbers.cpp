// Handing out note numbers. The serial is taken and stored in one write transaction,
// so two programs sharing the book never get the same number; a number already on a
// recorded note (typed by hand, say) is passed over.
#include "book/core/BookDate.h"
#include "book/core/NoteBookImpl.h"
#include "book/core/NoteNumberText.h"

namespace book {

namespace {

const char kPrefixKey[] = "number.prefix";
const char kWithDateKey[] = "number.with_date";
const char kDigitsKey[] = "number.serial_digits";

int ReadFormat(sqlite3* db, NumberFormat* format) {
  sql::Statement s(db, "SELECT key, value FROM settings WHERE key GLOB 'number.*'");
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    std::string key = s.Gbk(0);
    if (key == kPrefixKey) format->prefix = s.Gbk(1);
    if (key == kWithDateKey) format->withDate = s.Int(1) != 0;
    if (key == kDigitsKey) format->serialDigits = int(s.Int(1));
  }
  // A value some other program put there must not break the numbering.
  std::string ignored;
  if (!CheckNumberFormat(*format, &ignored)) *format = NumberFormat();
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int WriteSetting(sqlite3* db, const char* key, const std::string* text, int64_t number) {
  sql::Statement s(db, "INSERT OR REPLACE INTO settings(key, value) VALUES(?1, ?2)");
  s.BindGbk(1, key);
  if (text)
    s.BindGbk(2, *text);
  else
    s.Bind(2, number);
  return s.Run();
}

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

// Inside the caller's transaction.
int TakeNumber(sqlite3* db, const std::string& today, std::string* number) {
  NumberFormat format;
  int rc = ReadFormat(db, &format);
  std::string stem = NumberStem(format, today);
  int64_t serial = 0;
  if (rc == SQLITE_OK) rc = LastSerial(db, stem, &serial);
  for (bool taken = true; rc == SQLITE_OK && taken;) {
    *number = NoteNumberText(stem, ++serial, format.serialDigits);
    rc = NumberTaken(db, *number, &taken);
  }
  return rc == SQLITE_OK ? StoreSerial(db, stem, serial) : rc;
}

}  // namespace

bool NoteBook::NextNumber(const std::string& todayYmd, std::string* number, std::string* why) {
  if (!IsIsoDate(todayYmd)) return impl_->Fail("日期有误：" + todayYmd, why);
  sqlite3* db = impl_->db.get();
  sql::WriteTransaction transaction(db);
  std::string taken;
  int rc = transaction.BeginResult();
  if (rc == SQLITE_OK) rc = TakeNumber(db, todayYmd, &taken);
  if (rc == SQLITE_OK) rc = transaction.Commit();
  if (rc != SQLITE_OK) return impl_->Fail(rc, why);
  *number = taken;
  return true;
}

Answer<NumberFormat> NoteBook::GetNumberFormat() {
  Answer<NumberFormat> format;
  int rc = ReadFormat(impl_->db.get(), &format.value);
  return rc == SQLITE_OK ? format : FailedAnswer<NumberFormat>(rc);
}

bool NoteBook::SetNumberFormat(const NumberFormat& format, std::string* why) {
  std::string reason;
  if (!CheckNumberFormat(format, &reason)) return impl_->Fail(reason, why);
  sqlite3* db = impl_->db.get();
  sql::WriteTransaction transaction(db);
  int rc = transaction.BeginResult();
  if (rc == SQLITE_OK) rc = WriteSetting(db, kPrefixKey, &format.prefix, 0);
  if (rc == SQLITE_OK) rc = WriteSetting(db, kWithDateKey, nullptr, format.withDate ? 1 : 0);
  if (rc == SQLITE_OK) rc = WriteSetting(db, kDigitsKey, nullptr, format.serialDigits);
  if (rc == SQLITE_OK) rc = transaction.Commit();
  if (rc != SQLITE_OK) return impl_->Fail(rc, why);
  return true;
}

}  // namespace book
