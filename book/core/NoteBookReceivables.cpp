// The receivables summary read from the file: each customer's dated notes up to the day,
// voided ones left out, and payments, handed to the rules of Receivables.h.
#include <unordered_map>

#include "book/core/BookDate.h"
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

// The customers' ledgers, by the book's customer id.
using Ledgers = std::unordered_map<int64_t, CustomerLedger>;

// A note without item rows is a delivery of nothing, so its customer still shows.
const char kNoteAmounts[] =
    "SELECT n.customer_id, n.id, n.note_date, i.amount FROM notes n LEFT JOIN items i ON i.note_id = n.id "
    "WHERE n.customer_id IS NOT NULL AND n.voided = 0 AND n.note_date <> '' AND n.note_date <= ?1";
const char kPayments[] = "SELECT customer_id, pay_date, amount FROM payments WHERE pay_date <= ?1";

// One delivery per note: its item rows arrive together, their amounts summed.
int ReadDeliveries(sqlite3* db, const std::string& asOf, Ledgers* ledgers, bool* overflow) {
  sql::Statement s(db, kNoteAmounts);
  s.BindGbk(1, asOf);
  int64_t lastNote = 0;
  DatedAmount* delivery = nullptr;
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    if (!delivery || s.Int(1) != lastNote) {
      lastNote = s.Int(1);
      std::vector<DatedAmount>& list = (*ledgers)[s.Int(0)].deliveries;
      list.push_back({s.Gbk(2), 0});
      delivery = &list.back();
    }
    if (!AddStatementAmount(s.Gbk(3), &delivery->amount)) *overflow = true;
  }
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int ReadPayments(sqlite3* db, const std::string& asOf, Ledgers* ledgers) {
  sql::Statement s(db, kPayments);
  s.BindGbk(1, asOf);
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) (*ledgers)[s.Int(0)].payments.push_back({s.Gbk(1), s.Int(2)});
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// The names of the customers that have a ledger; the ledgers in a list.
int NameLedgers(sqlite3* db, Ledgers* ledgers, std::vector<CustomerLedger>* named) {
  sql::Statement s(db, "SELECT id, name FROM customers");
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    auto it = ledgers->find(s.Int(0));
    if (it == ledgers->end()) continue;
    it->second.customer = s.Gbk(1);
    named->push_back(std::move(it->second));
  }
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

bool NoteBook::MakeReceivables(const std::string& asOf, Receivables* receivables, std::string* why) {
  if (!IsIsoDate(asOf)) return impl_->Fail("日期有误：" + asOf, why);
  sqlite3* db = impl_->db.get();
  Ledgers ledgers;
  std::vector<CustomerLedger> named;
  bool overflow = false;
  // One read transaction, so a note saved meanwhile is in every sum or in none.
  int rc = sql::Exec(db, "BEGIN");
  if (rc == SQLITE_OK) rc = ReadDeliveries(db, asOf, &ledgers, &overflow);
  if (rc == SQLITE_OK) rc = ReadPayments(db, asOf, &ledgers);
  if (rc == SQLITE_OK) rc = NameLedgers(db, &ledgers, &named);
  sql::Exec(db, "COMMIT");
  if (rc != SQLITE_OK) return impl_->Fail(rc, why);
  std::string reason;
  if (overflow) return impl_->Fail("金额超出范围，无法汇总欠款", why);
  if (!SummariseReceivables(named, asOf, receivables, &reason)) return impl_->Fail(reason, why);
  impl_->Succeeded();
  return true;
}

}  // namespace book
