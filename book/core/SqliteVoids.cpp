// The file's side of voided notes and of the receivables: marks by number, and every
// customer's notes and payments up to a day.
#include "book/core/SqliteStore.h"

namespace book {

namespace {

// One row per amount cell (a null one for a note without items), a note's rows together.
const char kNoteAmounts[] =
    "SELECT c.name, n.id, n.note_date, i.amount FROM notes n JOIN customers c ON c.id = n.customer_id "
    "LEFT JOIN items i ON i.note_id = n.id "
    "WHERE n.voided = 0 AND n.note_date <> '' AND n.note_date <= ?1 ORDER BY n.id, i.row";
const char kPayments[] =
    "SELECT c.name, p.pay_date, p.amount FROM payments p JOIN customers c ON c.id = p.customer_id "
    "WHERE p.pay_date <= ?1 ORDER BY p.pay_date, p.id";

int ReadDeliveries(sqlite3* db, const std::string& asOf, ReceivableRows* rows) {
  sql::Statement s(db, kNoteAmounts);
  s.BindGbk(1, asOf);
  int64_t lastNote = 0;
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    if (rows->deliveries.empty() || s.Int(1) != lastNote) {
      lastNote = s.Int(1);
      rows->deliveries.push_back(ReceivableRows::Delivery{s.Gbk(0), s.Gbk(2), {}});
    }
    if (!s.IsNull(3)) rows->deliveries.back().amounts.push_back(s.Gbk(3));
  }
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int ReadPaid(sqlite3* db, const std::string& asOf, ReceivableRows* rows) {
  sql::Statement s(db, kPayments);
  s.BindGbk(1, asOf);
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW)
    rows->payments.push_back(ReceivableRows::Paid{s.Gbk(0), s.Gbk(1), s.Int(2)});
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

bool SqliteStore::ReadReceivables(const std::string& asOf, ReceivableRows* rows, std::string* why) {
  sqlite3* db = db_.get();
  // One read transaction, so a note saved meanwhile is in every sum or in none.
  int rc = sql::Exec(db, "BEGIN");
  if (rc == SQLITE_OK) rc = ReadDeliveries(db, asOf, rows);
  if (rc == SQLITE_OK) rc = ReadPaid(db, asOf, rows);
  sql::Exec(db, "COMMIT");
  return Succeeded(rc, why);
}

bool SqliteStore::WriteVoided(const std::string& number, bool voided, bool* found, std::string* why) {
  sqlite3* db = db_.get();
  sql::Statement s(db, "UPDATE notes SET voided = ?1 WHERE number = ?2 AND number <> ''");
  s.Bind(1, int64_t(voided ? 1 : 0));
  s.BindGbk(2, number);
  int rc = s.Run();
  *found = rc == SQLITE_OK && sqlite3_changes(db) > 0;
  return Succeeded(rc, why);
}

bool SqliteStore::ReadVoided(const std::string& number, bool* voided, std::string* why) {
  sql::Statement s(db_.get(), "SELECT voided FROM notes WHERE number = ?1 AND number <> ''");
  s.BindGbk(1, number);
  int rc = s.Step();
  *voided = rc == SQLITE_ROW && s.Int(0) != 0;
  return Succeeded(rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc, why);
}

}  // namespace book
