// The server's side of voided notes and of the receivables: marks by number, and every
// customer's notes and payments up to a day.
#include <unordered_map>

#include "book/server/Odbc.h"
#include "book/server/ServerStore.h"

namespace book {

namespace {

// Every amount cell of the dated notes that are not voided (a null one for a note
// without items), then the payments: one statement, so one snapshot. Unsorted: the rows
// are grouped by note here, and the rules settle and order them, so the server is spared
// sorting every item of the book.
const char kReceivableRows[] =
    "SELECT 0 AS kind, n.id, i.amount, 0 AS paid, c.name, n.note_date FROM notes n "
    "JOIN customers c ON c.id = n.customer_id LEFT JOIN items i ON i.note_id = n.id "
    "WHERE NOT n.voided AND n.note_date <> '' AND n.note_date <= ? "
    "UNION ALL SELECT 1, p.id, NULL, p.amount, c.name, p.pay_date FROM payments p "
    "JOIN customers c ON c.id = p.customer_id WHERE p.pay_date <= ?";

bool ReadRows(odbc::Connection& db, const std::string& asOf, ReceivableRows* rows) {
  odbc::Statement s(db, kReceivableRows);
  s.BindGbk(1, asOf), s.BindGbk(2, asOf);
  std::unordered_map<int64_t, size_t> noteAt;  // a note's place in rows->deliveries
  bool row = false, ok = s.Execute();
  while (ok && (ok = s.Fetch(&row)) && row) {
    // Columns are read left to right, as ODBC wants; a known note's name and date are
    // not read again.
    bool payment = s.Int(0) != 0;
    int64_t id = s.Int(1);
    std::string amount = s.Gbk(2);
    bool noItem = s.WasNull();
    if (payment) {
      int64_t paid = s.Int(3);
      std::string customer = s.Gbk(4);
      rows->payments.push_back(ReceivableRows::Paid{customer, s.Gbk(5), paid});
      continue;
    }
    auto [at, added] = noteAt.emplace(id, rows->deliveries.size());
    if (added) {
      std::string customer = s.Gbk(4);
      rows->deliveries.push_back(ReceivableRows::Delivery{customer, s.Gbk(5), {}});
    }
    if (!noItem) rows->deliveries[at->second].amounts.push_back(amount);
  }
  return ok;
}

}  // namespace

bool ServerStore::ReadReceivables(const std::string& asOf, ReceivableRows* rows, std::string* why) {
  if (!Ready(why)) return false;
  return Finish(ReadRows(*db_, asOf, rows), why);
}

bool ServerStore::WriteVoided(const std::string& number, bool voided, bool* found, std::string* why) {
  if (!Ready(why)) return false;
  odbc::Statement s(*db_, "UPDATE notes SET voided = (? <> 0) WHERE number = ? AND number <> ''");
  s.Bind(1, int64_t(voided ? 1 : 0));
  s.BindGbk(2, number);
  bool ok = s.Execute();
  *found = ok && s.RowCount() > 0;
  return Finish(ok, why);
}

bool ServerStore::ReadVoided(const std::string& number, bool* voided, std::string* why) {
  if (!Ready(why)) return false;
  odbc::Statement s(*db_,
                    "SELECT CASE WHEN voided THEN 1 ELSE 0 END FROM notes WHERE number = ? AND number <> ''");
  s.BindGbk(1, number);
  int64_t value = 0;
  bool found = false, ok = s.ExecuteScalar(&value, &found);
  *voided = ok && found && value != 0;
  return Finish(ok, why);
}

}  // namespace book
