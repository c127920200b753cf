// A customer's statement: the balance brought forward, the period's item rows and
// payments, and what is owed at its end. Sums are exact (Money.h).
#include "book/core/BookDate.h"
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

const char kOverflow[] = "金额超出范围，无法对账";

// Item rows of the customer's dated notes with from <= date <= to, voided ones left out,
// in statement order.
const char kItemRows[] =
    "SELECT n.note_date, n.number, i.dimensions, i.quantity, i.unit, i.price, i.amount, i.remarks "
    "FROM notes n JOIN items i ON i.note_id = n.id "
    "WHERE n.customer_id = ?1 AND n.voided = 0 AND n.note_date <> '' AND n.note_date >= ?2 "
    "AND n.note_date <= ?3 "
    "ORDER BY n.note_date, n.number, n.id, i.row";
const char kPayments[] =
    "SELECT pay_date, remark, amount FROM payments "
    "WHERE customer_id = ?1 AND pay_date >= ?2 AND pay_date <= ?3 ORDER BY pay_date, id";

// Adds a cell's amount text (nothing when it is no number); false on overflow.
bool AddAmountText(const std::string& text, Money* sum) {
  Money value = 0;
  return !ParseMoney(text, &value) || AddMoney(*sum, value, sum);
}

// The customer's item amounts and payments dated from..to, lines appended when given.
int SumPeriod(sqlite3* db, int64_t customer, const std::string& from, const std::string& to,
              Money* delivered, Money* paid, std::vector<StatementLine>* lines, bool* overflow) {
  sql::Statement items(db, kItemRows), payments(db, kPayments);
  for (sql::Statement* s : {&items, &payments}) {
    s->Bind(1, customer);
    s->BindGbk(2, from);
    s->BindGbk(3, to);
  }
  std::vector<StatementLine> rows, pays;
  int rc;
  // Without `lines` (the balance brought forward) only the amounts are read.
  while ((rc = items.Step()) == SQLITE_ROW) {
    std::string amount = items.Gbk(6);
    if (!AddAmountText(amount, delivered)) *overflow = true;
    if (lines)
      rows.push_back(StatementLine{items.Gbk(0), items.Gbk(1), items.Gbk(2), items.Gbk(3), items.Gbk(4),
                                   items.Gbk(5), std::move(amount), items.Gbk(7)});
  }
  if (rc != SQLITE_DONE) return rc;
  while ((rc = payments.Step()) == SQLITE_ROW) {
    Money amount = payments.Int(2);
    if (!AddMoney(*paid, amount, paid)) *overflow = true;
    if (!lines) continue;
    pays.push_back(StatementLine{payments.Gbk(0), "收款", payments.Gbk(1), "", "", "", MoneyText(amount), ""});
    pays.back().payment = true;
  }
  if (rc != SQLITE_DONE) return rc;
  if (lines) {  // merge by date; on one day the notes come first
    size_t p = 0;
    for (StatementLine& row : rows) {
      while (p < pays.size() && pays[p].date < row.date) lines->push_back(std::move(pays[p++]));
      lines->push_back(std::move(row));
    }
    while (p < pays.size()) lines->push_back(std::move(pays[p++]));
  }
  return SQLITE_OK;
}

}  // namespace

bool AddStatementAmount(const std::string& text, Money* sum) { return AddAmountText(text, sum); }

bool NoteBook::MakeStatement(const std::string& customer, const std::string& from, const std::string& to,
                             Statement* statement, std::string* why) {
  if (!IsIsoDate(from) || !IsIsoDate(to)) return impl_->Fail("日期有误：" + (IsIsoDate(from) ? to : from), why);
  if (from > to) return impl_->Fail("起始日期晚于截止日期", why);
  *statement = Statement{customer, from, to};
  sqlite3* db = impl_->db.get();
  // One read transaction, so a note saved meanwhile is in every sum or in none.
  int rc = sql::Exec(db, "BEGIN");
  int64_t id = 0;
  if (rc == SQLITE_OK) rc = FindCustomer(db, customer, &id);
  Money deliveredBefore = 0, paidBefore = 0;
  bool overflow = false;
  if (rc == SQLITE_OK && id)
    rc = SumPeriod(db, id, "0000-00-00", DayBefore(from), &deliveredBefore, &paidBefore, nullptr, &overflow);
  if (rc == SQLITE_OK && id)
    rc = SumPeriod(db, id, from, to, &statement->delivered, &statement->paid, &statement->lines, &overflow);
  sql::Exec(db, "COMMIT");
  if (rc != SQLITE_OK) return impl_->Fail(rc, why);
  Money opening = 0, closing = 0;
  overflow = overflow || __builtin_sub_overflow(deliveredBefore, paidBefore, &opening) ||
             !AddMoney(opening, statement->delivered, &closing) ||
             __builtin_sub_overflow(closing, statement->paid, &closing);
  if (overflow) return impl_->Fail(kOverflow, why);
  statement->opening = opening;
  statement->closing = closing;
  impl_->Succeeded();
  return true;
}

}  // namespace book
