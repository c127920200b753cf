// The server's side of voided notes and of the receivables: marks by number, and every
// customer's notes and payments up to a day.
#include "book/server/Odbc.h"
#include "book/server/ServerStore.h"

namespace book {

namespace {

// Every amount cell of the dated notes that are not voided (a null one for a note
// without items), a note's rows together, then the payments: one statement, so one
// snapshot.
const char kReceivableRows[] =
    "SELECT 0 AS kind, c.name, n.note_date, i.amount, 0 AS paid, n.id, i.row FROM notes n "
    "JOIN customers c ON c.id = n.customer_id LEFT JOIN items i ON i.note_id = n.id "
    "WHERE NOT n.voided AND n.note_date <> '' AND n.note_date <= ? "
    "UNION ALL SELECT 1, c.name, p.pay_date, NULL, p.amount, p.id, 0 FROM payments p "
    "JOIN customers c ON c.id = p.customer_id WHERE p.pay_date <= ? ORDER BY 1, 6, 7";

bool ReadRows(odbc::Connection& db, const std::string& asOf, ReceivableRows* rows) {
  odbc::Statement s(db, kReceivableRows);
  s.BindGbk(1, asOf), s.BindGbk(2, asOf);
  bool row = false, ok = s.Execute();
  int64_t lastNote = 0;
  while (ok && (ok = s.Fetch(&row)) && row) {
    bool payment = s.Int(0) != 0;
    std::string customer = s.Gbk(1), date = s.Gbk(2);  // read left to right, as ODBC wants
    std::string amount = s.Gbk(3);
    bool noItem = s.WasNull();
    int64_t paid = s.Int(4), id = s.Int(5);
    if (payment) {
      rows->payments.push_back(ReceivableRows::Paid{customer, date, paid});
      continue;
    }
    if (rows->deliveries.empty() || id != lastNote)
      rows->deliveries.push_back(ReceivableRows::Delivery{customer, date, {}});
    lastNote = id;
    if (!noItem) rows->deliveries.back().amounts.push_back(amount);
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
