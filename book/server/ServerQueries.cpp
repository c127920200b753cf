// What the program asks the server book: customers, remembered prices, the list of
// notes, payments and a customer's rows for a statement.
#include <chrono>

#include "book/core/BookDate.h"
#include "book/core/BookErrors.h"
#include "book/core/CellAmount.h"
#include "book/server/Odbc.h"
#include "book/server/ServerStore.h"
#include "book/server/ServerWrite.h"

namespace book {

namespace {

const char kNewestFirst[] = " ORDER BY n.note_date DESC, n.saved_at DESC, n.id DESC";

// The customer's item rows of dated notes and payments up to `to`, in one statement so
// they come from one snapshot: a note saved meanwhile is in every sum or in none. Items
// come first, in statement order, then payments by date. Voided notes are left out.
const char kLedgerRows[] =
    "SELECT 0 AS kind, n.note_date AS day, n.number, i.dimensions, i.quantity, i.unit, i.price, i.amount, "
    "i.remarks, 0 AS paid, n.id, i.row FROM notes n JOIN items i ON i.note_id = n.id "
    "JOIN customers c ON c.id = n.customer_id WHERE c.name = ? AND NOT n.voided AND n.note_date <> '' "
    "AND n.note_date <= ? "
    "UNION ALL SELECT 1, p.pay_date, '', p.remark, '', '', '', '', '', p.amount, p.id, 0 FROM payments p "
    "JOIN customers c ON c.id = p.customer_id WHERE c.name = ? AND p.pay_date <= ? "
    "ORDER BY 1, 2, 3, 11, 12";

bool ReadLedgerRows(odbc::Connection& db, const std::string& customer, const std::string& from,
                    const std::string& to, LedgerRows* before, LedgerRows* period) {
  odbc::Statement s(db, kLedgerRows);
  s.BindGbk(1, customer), s.BindGbk(2, to), s.BindGbk(3, customer), s.BindGbk(4, to);
  bool row = false, ok = s.Execute();
  while (ok && (ok = s.Fetch(&row)) && row) {
    bool payment = s.Int(0) != 0;
    StatementLine line;
    int col = 1;  // read left to right, as ODBC wants
    for (std::string* field : {&line.date, &line.number, &line.dimensions, &line.quantity, &line.unit,
                               &line.price, &line.amount, &line.remarks})
      *field = s.Gbk(col++);
    LedgerRows* rows = line.date < from ? before : period;
    if (payment)
      rows->payments.push_back(LedgerRows::Paid{line.date, line.dimensions, s.Int(9)});
    else
      rows->items.push_back(std::move(line));
  }
  return ok;
}

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

bool ServerStore::ReadCustomers(size_t limit, std::vector<std::string>* names, std::string* why) {
  if (!Ready(why)) return false;
  odbc::Statement s(*db_, "SELECT name FROM customers ORDER BY last_used DESC, id DESC LIMIT ?");
  s.Bind(1, int64_t(limit > size_t(INT64_MAX) ? INT64_MAX : limit));
  bool row = false, ok = s.Execute();
  while (ok && (ok = s.Fetch(&row)) && row) names->push_back(s.Gbk(0));
  return Finish(ok, why);
}

bool ServerStore::ReadNoteCount(int64_t* count, std::string* why) {
  if (!Ready(why)) return false;
  odbc::Statement s(*db_, "SELECT count(*) FROM notes");
  bool found = false, ok = s.ExecuteScalar(count, &found);
  return Finish(ok, why);
}

bool ServerStore::ReadLastItem(const std::string& customer, const std::string& dimensions,
                               std::optional<LastItem>* item, std::string* why) {
  if (!Ready(why)) return false;
  // A row that has neither unit nor price has nothing to fill in; a voided note's
  // prices are not the customer's.
  odbc::Statement s(*db_,
                    (std::string("SELECT i.unit, i.price FROM notes n JOIN items i ON i.note_id = n.id "
                                 "JOIN customers c ON c.id = n.customer_id WHERE c.name = ? AND "
                                 "NOT n.voided AND i.dimensions = ? AND (i.unit <> '' OR i.price <> '')") +
                     kNewestFirst + ", i.row LIMIT 1")
                        .c_str());
  s.BindGbk(1, customer);
  s.BindGbk(2, dimensions);
  bool row = false, ok = s.Execute() && s.Fetch(&row);
  if (ok && row) {
    std::string unit = s.Gbk(0);
    *item = LastItem{unit, s.Gbk(1)};
  }
  return Finish(ok, why);
}

bool ServerStore::ReadNotes(const NoteFilter& filter, std::vector<NoteSummary>* notes, std::string* why) {
  if (!Ready(why)) return false;
  std::string sql =
      "SELECT n.id, n.note_date, n.number, c.name, n.file_path, i.amount, "
      "CASE WHEN n.voided THEN 1 ELSE 0 END FROM notes n "
      "LEFT JOIN customers c ON c.id = n.customer_id LEFT JOIN items i ON i.note_id = n.id WHERE TRUE";
  std::vector<const std::string*> params;
  if (!filter.customer.empty()) sql += " AND c.name = ?", params.push_back(&filter.customer);
  // A date range leaves out the notes that have no date.
  if (!filter.from.empty() || !filter.to.empty()) sql += " AND n.note_date <> ''";
  if (!filter.from.empty()) sql += " AND n.note_date >= ?", params.push_back(&filter.from);
  if (!filter.to.empty()) sql += " AND n.note_date <= ?", params.push_back(&filter.to);
  odbc::Statement s(*db_, (sql + kNewestFirst).c_str());
  for (size_t i = 0; i < params.size(); ++i) s.BindGbk(int(i + 1), *params[i]);
  bool row = false, ok = s.Execute();
  // One row per amount cell, a note's rows together: the totals are summed as the
  // note's own total reads its cells.
  while (ok && (ok = s.Fetch(&row)) && row) {
    NoteSummary note;
    note.id = s.Int(0);
    note.noteDate = s.Gbk(1), note.number = s.Gbk(2), note.customer = s.Gbk(3), note.filePath = s.Gbk(4);
    std::string amount = s.Gbk(5);
    bool noItem = s.WasNull();
    note.voided = s.Int(6) != 0;
    if (notes->empty() || notes->back().id != note.id) notes->push_back(std::move(note));
    if (!noItem && !AddAmount(amount, &notes->back().total)) {
      db_->Rollback();
      if (why) *why = reason::kTotalOverflow;
      return false;
    }
  }
  return Finish(ok, why);
}

bool ServerStore::WritePayment(Payment* payment, std::string* why) {
  if (!Ready(why)) return false;
  int64_t customerId = 0, id = 0;
  bool found = false;
  odbc::Statement s(*db_,
                    "INSERT INTO payments(customer_id, pay_date, amount, remark, recorded_at) "
                    "VALUES(?, ?, ?, ?, ?) RETURNING id");
  bool ok = UpsertServerCustomer(*db_, payment->customer, NowMs(), &customerId);
  s.Bind(1, customerId);
  s.BindGbk(2, payment->date);
  s.Bind(3, int64_t(payment->amount));
  s.BindGbk(4, payment->remark);
  s.Bind(5, NowMs());
  ok = ok && s.ExecuteScalar(&id, &found) && found;
  if (!Finish(ok, why)) return false;
  payment->id = id;
  return true;
}

bool ServerStore::DeletePayment(int64_t id, std::string* why) {
  if (!Ready(why)) return false;
  odbc::Statement s(*db_, "DELETE FROM payments WHERE id = ?");
  s.Bind(1, id);
  return Finish(s.Execute(), why);
}

bool ServerStore::ReadPayments(const std::string& customer, std::vector<Payment>* payments,
                               std::string* why) {
  if (!Ready(why)) return false;
  odbc::Statement s(*db_,
                    "SELECT p.id, p.pay_date, p.amount, p.remark FROM payments p "
                    "JOIN customers c ON c.id = p.customer_id WHERE c.name = ? ORDER BY p.pay_date, p.id");
  s.BindGbk(1, customer);
  bool row = false, ok = s.Execute();
  while (ok && (ok = s.Fetch(&row)) && row) {
    Payment p;
    p.id = s.Int(0);
    p.customer = customer;
    p.date = s.Gbk(1);
    p.amount = s.Int(2);
    p.remark = s.Gbk(3);
    payments->push_back(std::move(p));
  }
  return Finish(ok, why);
}

bool ServerStore::ReadLedger(const std::string& customer, const std::string& from, const std::string& to,
                             LedgerRows* before, LedgerRows* period, std::string* why) {
  if (!Ready(why)) return false;
  return Finish(ReadLedgerRows(*db_, customer, from, to, before, period), why);
}

}  // namespace book
