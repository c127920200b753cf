// What the program asks the book while the trader types, and the list of notes.
#include "book/core/BookDate.h"
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

// Newest first: by note date, then by when it was saved. Notes without a date are the
// oldest.
const char kNewestFirst[] = " ORDER BY n.note_date DESC, n.saved_at DESC, n.id DESC";

std::string ListQuery(bool byCustomer, const NoteFilter& filter) {
  std::string sql =
      "SELECT n.id, n.note_date, n.number, c.name, n.file_path, n.total, n.voided FROM notes n "
      "LEFT JOIN customers c ON c.id = n.customer_id WHERE 1";
  if (byCustomer) sql += " AND n.customer_id = ?1";
  // A date range leaves out the notes that have no date.
  if (!filter.from.empty() || !filter.to.empty()) sql += " AND n.note_date <> ''";
  if (!filter.from.empty()) sql += " AND n.note_date >= ?2";
  if (!filter.to.empty()) sql += " AND n.note_date <= ?3";
  return sql + kNewestFirst;
}

}  // namespace

std::vector<std::string> NoteBook::Customers(size_t limit) {
  std::vector<std::string> names;
  sql::Statement s(impl_->db.get(), "SELECT name FROM customers ORDER BY last_used DESC, id DESC LIMIT ?1");
  s.Bind(1, int64_t(limit > size_t(INT64_MAX) ? INT64_MAX : limit));
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) names.push_back(s.Gbk(0));
  if (rc != SQLITE_DONE) {
    impl_->Fail(rc, nullptr);
    return {};
  }
  impl_->Succeeded();
  return names;
}

std::optional<LastItem> NoteBook::LastItemFor(const std::string& customer, const std::string& dimensions) {
  sqlite3* db = impl_->db.get();
  int64_t customerId = 0;
  int rc = customer.empty() || dimensions.empty() ? SQLITE_OK : FindCustomer(db, customer, &customerId);
  if (rc != SQLITE_OK) {
    impl_->Fail(rc, nullptr);
    return std::nullopt;
  }
  impl_->Succeeded();
  if (!customerId) return std::nullopt;
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
  if (rc == SQLITE_ROW) return LastItem{s.Gbk(0), s.Gbk(1)};
  if (rc != SQLITE_DONE) impl_->Fail(rc, nullptr);
  return std::nullopt;
}

std::vector<NoteSummary> NoteBook::List(const NoteFilter& filter) {
  sqlite3* db = impl_->db.get();
  if ((!filter.from.empty() && !IsIsoDate(filter.from)) || (!filter.to.empty() && !IsIsoDate(filter.to))) {
    impl_->Fail("日期有误：" + (IsIsoDate(filter.from) ? filter.to : filter.from), nullptr);
    return {};
  }
  int64_t customerId = 0;
  int rc = filter.customer.empty() ? SQLITE_OK : FindCustomer(db, filter.customer, &customerId);
  std::vector<NoteSummary> notes;
  if (rc == SQLITE_OK && (filter.customer.empty() || customerId)) {
    sql::Statement s(db, ListQuery(customerId != 0, filter).c_str());
    s.Bind(1, customerId);
    s.BindGbk(2, filter.from);
    s.BindGbk(3, filter.to);
    while ((rc = s.Step()) == SQLITE_ROW)
      notes.push_back(
          NoteSummary{s.Int(0), s.Gbk(1), s.Gbk(2), s.Gbk(3), s.Gbk(4), s.Real(5), s.Int(6) != 0});
    if (rc == SQLITE_DONE) rc = SQLITE_OK;
  }
  if (rc != SQLITE_OK) {
    impl_->Fail(rc, nullptr);
    return {};
  }
  impl_->Succeeded();
  return notes;
}

// The customer's id; 0 when the book has never seen the name.
int FindCustomer(sqlite3* db, const std::string& name, int64_t* id) {
  sql::Statement s(db, "SELECT id FROM customers WHERE name = ?1");
  s.BindGbk(1, name);
  int rc = s.Step();
  *id = rc == SQLITE_ROW ? s.Int(0) : 0;
  return rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace book
