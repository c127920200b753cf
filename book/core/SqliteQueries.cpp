// What the program asks the file while the trader types, the list of notes and a
// customer's rows for a statement.
#include "book/core/BookDate.h"
#include "book/core/BookErrors.h"
#include "book/core/CellAmount.h"
#include "book/core/CustomerName.h"
#include "book/core/SqliteStore.h"

namespace book {

namespace {

// Newest first: by note date, then by when it was saved. Notes without a date are the
// oldest.
const char kNewestFirst[] = " ORDER BY n.note_date DESC, n.saved_at DESC, n.id DESC";

// One row per amount cell of each note (one with a null amount for a note without
// items), a note's rows together. The totals are summed here, cell by cell, as the
// note's own total reads them: the stored `total` column is left to older programs.
std::string ListQuery(bool byCustomer, const NoteFilter& filter) {
  std::string sql =
      "SELECT n.id, n.note_date, n.number, c.name, n.file_path, i.amount, n.voided FROM notes n "
      "LEFT JOIN customers c ON c.id = n.customer_id LEFT JOIN items i ON i.note_id = n.id WHERE 1";
  if (byCustomer) sql += " AND n.customer_id = ?1";
  // A date range leaves out the notes that have no date.
  if (!filter.from.empty() || !filter.to.empty()) sql += " AND n.note_date <> ''";
  if (!filter.from.empty()) sql += " AND n.note_date >= ?2";
  if (!filter.to.empty()) sql += " AND n.note_date <= ?3";
  return sql + kNewestFirst;
}

// The notes of the list query with their totals; false with the reason.
bool ReadSummaries(sql::Statement& s, std::vector<NoteSummary>* notes, std::string* why) {
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    if (notes->empty() || notes->back().id != s.Int(0))
      notes->push_back(NoteSummary{s.Int(0), s.Gbk(1), s.Gbk(2), s.Gbk(3), s.Gbk(4), 0, s.Int(6) != 0});
    if (!s.IsNull(5) && !AddAmount(s.Gbk(5), &notes->back().total)) {
      if (why) *why = reason::kTotalOverflow;
      return false;
    }
  }
  return Succeeded(rc == SQLITE_DONE ? SQLITE_OK : rc, why);
}

// Item rows of the customer's dated notes with from <= date <= to, voided ones left
// out, in statement order.
const char kItemRows[] =
    "SELECT n.note_date, n.number, i.dimensions, i.quantity, i.unit, i.price, i.amount, i.remarks "
    "FROM notes n JOIN items i ON i.note_id = n.id "
    "WHERE n.customer_id = ?1 AND n.voided = 0 AND n.note_date <> '' "
    "AND n.note_date >= ?2 AND n.note_date <= ?3 "
    "ORDER BY n.note_date, n.number, n.id, i.row";
const char kPaymentRows[] =
    "SELECT pay_date, remark, amount FROM payments "
    "WHERE customer_id = ?1 AND pay_date >= ?2 AND pay_date <= ?3 ORDER BY pay_date, id";

int ReadRows(sqlite3* db, int64_t customer, const std::string& from, const std::string& to,
             LedgerRows* rows) {
  sql::Statement items(db, kItemRows), payments(db, kPaymentRows);
  for (sql::Statement* s : {&items, &payments}) {
    s->Bind(1, customer);
    s->BindGbk(2, from);
    s->BindGbk(3, to);
  }
  int rc;
  while ((rc = items.Step()) == SQLITE_ROW)
    rows->items.push_back(StatementLine{items.Gbk(0), items.Gbk(1), items.Gbk(2), items.Gbk(3), items.Gbk(4),
                                        items.Gbk(5), items.Gbk(6), items.Gbk(7)});
  if (rc != SQLITE_DONE) return rc;
  while ((rc = payments.Step()) == SQLITE_ROW)
    rows->payments.push_back(LedgerRows::Paid{payments.Gbk(0), payments.Gbk(1), payments.Int(2)});
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

bool SqliteStore::ReadCustomers(size_t limit, std::vector<std::string>* names, std::string* why) {
  sql::Statement s(db_.get(), "SELECT name FROM customers ORDER BY last_used DESC, id DESC LIMIT ?1");
  s.Bind(1, int64_t(limit > size_t(INT64_MAX) ? INT64_MAX : limit));
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) names->push_back(s.Gbk(0));
  return Succeeded(rc == SQLITE_DONE ? SQLITE_OK : rc, why);
}

bool SqliteStore::ReadNoteCount(int64_t* count, std::string* why) {
  sql::Statement s(db_.get(), "SELECT count(*) FROM notes");
  int rc = s.Step();
  if (rc == SQLITE_ROW) *count = s.Int(0);
  return Succeeded(rc == SQLITE_ROW ? SQLITE_OK : rc, why);
}

bool SqliteStore::ReadLastItem(const std::string& customer, const std::string& dimensions,
                               std::optional<LastItem>* item, std::string* why) {
  sqlite3* db = db_.get();
  int64_t customerId = 0;
  int rc = FindCustomer(db, customer, &customerId);
  if (rc != SQLITE_OK || !customerId) return Succeeded(rc, why);
  // A row that has neither unit nor price has nothing to fill in; a voided note's
  // prices are not the customer's.
  sql::Statement s(db, (std::string("SELECT i.unit, i.price FROM notes n JOIN items i ON i.note_id = n.id "
                                    "WHERE n.customer_id = ?1 AND n.voided = 0 AND i.dimensions = ?2 "
                                    "AND (i.unit <> '' OR i.price <> '')") +
                        kNewestFirst + ", i.row LIMIT 1")
                           .c_str());
  s.Bind(1, customerId);
  s.BindGbk(2, dimensions);
  rc = s.Step();
  if (rc == SQLITE_ROW) *item = LastItem{s.Gbk(0), s.Gbk(1)};
  return Succeeded(rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc, why);
}

bool SqliteStore::ReadNotes(const NoteFilter& filter, std::vector<NoteSummary>* notes, std::string* why) {
  sqlite3* db = db_.get();
  int64_t customerId = 0;
  int rc = filter.customer.empty() ? SQLITE_OK : FindCustomer(db, filter.customer, &customerId);
  if (rc == SQLITE_OK && (filter.customer.empty() || customerId)) {
    sql::Statement s(db, ListQuery(customerId != 0, filter).c_str());
    s.Bind(1, customerId);
    s.BindGbk(2, filter.from);
    s.BindGbk(3, filter.to);
    return ReadSummaries(s, notes, why);
  }
  return Succeeded(rc, why);
}

bool SqliteStore::ReadLedger(const std::string& customer, const std::string& from, const std::string& to,
                             LedgerRows* before, LedgerRows* period, std::string* why) {
  sqlite3* db = db_.get();
  // One read transaction, so a note saved meanwhile is in every sum or in none.
  int rc = sql::Exec(db, "BEGIN");
  int64_t id = 0;
  if (rc == SQLITE_OK) rc = FindCustomer(db, customer, &id);
  if (rc == SQLITE_OK && id) rc = ReadRows(db, id, "0000-00-00", DayBefore(from), before);
  if (rc == SQLITE_OK && id) rc = ReadRows(db, id, from, to, period);
  sql::Exec(db, "COMMIT");
  return Succeeded(rc, why);
}

// The customer's id; 0 when the book has never seen the name.
int FindCustomer(sqlite3* db, const std::string& name, int64_t* id) {
  std::string trimmed = CustomerName(name);
  *id = 0;
  if (trimmed.empty()) return SQLITE_OK;
  sql::Statement s(db, "SELECT id FROM customers WHERE name = ?1");
  s.BindGbk(1, trimmed);
  int rc = s.Step();
  *id = rc == SQLITE_ROW ? s.Int(0) : 0;
  return rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace book
