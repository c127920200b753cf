// What the program asks the book while the trader types, and the list of notes.
#include "book/core/BookDate.h"
#include "book/core/CellAmount.h"
#include "book/core/CustomerName.h"
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

// Newest first: by note date, then by when it was saved. Notes without a date are the
// oldest.
const char kNewestFirst[] = " ORDER BY n.note_date DESC, n.saved_at DESC, n.id DESC";

const char kOverflow[] = "金额超出范围，无法合计";
constexpr int kAmountOverflow = -1;  // no SQLite result code

// One row per amount cell of each note (one with a null amount for a note without
// items), a note's rows together. The totals are summed here, cell by cell, as the
// note's own total reads them: the stored `total` column is left to older programs.
std::string ListQuery(bool byCustomer, const NoteFilter& filter) {
  std::string sql =
      "SELECT n.id, n.note_date, n.number, c.name, n.file_path, i.amount FROM notes n "
      "LEFT JOIN customers c ON c.id = n.customer_id LEFT JOIN items i ON i.note_id = n.id WHERE 1";
  if (byCustomer) sql += " AND n.customer_id = ?1";
  // A date range leaves out the notes that have no date.
  if (!filter.from.empty() || !filter.to.empty()) sql += " AND n.note_date <> ''";
  if (!filter.from.empty()) sql += " AND n.note_date >= ?2";
  if (!filter.to.empty()) sql += " AND n.note_date <= ?3";
  return sql + kNewestFirst;
}

// The notes of the list query with their totals; kAmountOverflow when a total leaves
// Money's range.
int ReadSummaries(sql::Statement& s, std::vector<NoteSummary>* notes) {
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    if (notes->empty() || notes->back().id != s.Int(0))
      notes->push_back(NoteSummary{s.Int(0), s.Gbk(1), s.Gbk(2), s.Gbk(3), s.Gbk(4), 0});
    if (!s.IsNull(5) && !AddAmount(s.Gbk(5), &notes->back().total)) return kAmountOverflow;
  }
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

Answer<std::vector<std::string>> NoteBook::Customers(size_t limit) {
  Answer<std::vector<std::string>> names;
  sql::Statement s(impl_->db.get(), "SELECT name FROM customers ORDER BY last_used DESC, id DESC LIMIT ?1");
  s.Bind(1, int64_t(limit > size_t(INT64_MAX) ? INT64_MAX : limit));
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) names.value.push_back(s.Gbk(0));
  return rc == SQLITE_DONE ? names : FailedAnswer<std::vector<std::string>>(rc);
}

Answer<std::optional<LastItem>> NoteBook::LastItemFor(const std::string& customer,
                                                      const std::string& dimensions) {
  using Result = Answer<std::optional<LastItem>>;
  sqlite3* db = impl_->db.get();
  int64_t customerId = 0;
  int rc = dimensions.empty() ? SQLITE_OK : FindCustomer(db, customer, &customerId);
  if (rc != SQLITE_OK) return FailedAnswer<std::optional<LastItem>>(rc);
  if (!customerId) return Result{};
  // A row that has neither unit nor price has nothing to fill in.
  sql::Statement s(
      db, (std::string("SELECT i.unit, i.price FROM notes n JOIN items i ON i.note_id = n.id "
                       "WHERE n.customer_id = ?1 AND i.dimensions = ?2 AND (i.unit <> '' OR i.price <> '')") +
           kNewestFirst + ", i.row LIMIT 1")
              .c_str());
  s.Bind(1, customerId);
  s.BindGbk(2, dimensions);
  rc = s.Step();
  Result found;
  if (rc == SQLITE_ROW) found.value = LastItem{s.Gbk(0), s.Gbk(1)};
  return rc == SQLITE_ROW || rc == SQLITE_DONE ? found : FailedAnswer<std::optional<LastItem>>(rc);
}

Answer<std::vector<NoteSummary>> NoteBook::List(const NoteFilter& filter) {
  using Result = Answer<std::vector<NoteSummary>>;
  sqlite3* db = impl_->db.get();
  if ((!filter.from.empty() && !IsIsoDate(filter.from)) || (!filter.to.empty() && !IsIsoDate(filter.to)))
    return FailedAnswer<std::vector<NoteSummary>>("日期有误：" +
                                                  (IsIsoDate(filter.from) ? filter.to : filter.from));
  int64_t customerId = 0;
  int rc = filter.customer.empty() ? SQLITE_OK : FindCustomer(db, filter.customer, &customerId);
  Result notes;
  if (rc == SQLITE_OK && (filter.customer.empty() || customerId)) {
    sql::Statement s(db, ListQuery(customerId != 0, filter).c_str());
    s.Bind(1, customerId);
    s.BindGbk(2, filter.from);
    s.BindGbk(3, filter.to);
    rc = ReadSummaries(s, &notes.value);
  }
  if (rc == kAmountOverflow) return FailedAnswer<std::vector<NoteSummary>>(kOverflow);
  return rc == SQLITE_OK ? notes : FailedAnswer<std::vector<NoteSummary>>(rc);
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
