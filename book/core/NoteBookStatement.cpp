// A customer's statement: the balance brought forward, the period's item rows and
// payments, and what is owed at its end. The store reads the rows; the sums are made
// here, exactly (Money.h), the same for every store.
#include "book/core/BookDate.h"
#include "book/core/CellAmount.h"
#include "book/core/CustomerName.h"
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

const char kOverflow[] = "金额超出范围，无法对账";

// The rows' deliveries and payments added up; false on overflow.
bool Sum(const LedgerRows& rows, Money* delivered, Money* paid) {
  bool ok = true;
  for (const StatementLine& item : rows.items) ok = AddAmount(item.amount, delivered) && ok;
  for (const LedgerRows::Paid& p : rows.payments) ok = AddMoney(*paid, p.amount, paid) && ok;
  return ok;
}

// The period's lines merged by date; on one day the notes come first.
void MergeLines(LedgerRows&& rows, std::vector<StatementLine>* lines) {
  size_t p = 0;
  auto pay = [&](LedgerRows::Paid& paid) {
    StatementLine line{paid.date, "收款", paid.remark, "", "", "", MoneyText(paid.amount), ""};
    line.payment = true;
    lines->push_back(std::move(line));
  };
  for (StatementLine& row : rows.items) {
    while (p < rows.payments.size() && rows.payments[p].date < row.date) pay(rows.payments[p++]);
    lines->push_back(std::move(row));
  }
  while (p < rows.payments.size()) pay(rows.payments[p++]);
}

}  // namespace

bool NoteBook::MakeStatement(const std::string& customer, const std::string& from, const std::string& to,
                             Statement* statement, std::string* why) {
  if (!IsIsoDate(from) || !IsIsoDate(to))
    return impl_->Fail("日期有误：" + (IsIsoDate(from) ? to : from), why);
  if (from > to) return impl_->Fail("起始日期晚于截止日期", why);
  *statement = Statement{};
  statement->customer = CustomerName(customer);
  statement->from = from;
  statement->to = to;
  LedgerRows before, period;
  std::string reason;
  if (!statement->customer.empty() &&
      !impl_->store->ReadLedger(statement->customer, from, to, &before, &period, &reason))
    return impl_->Fail(reason, why);
  Money deliveredBefore = 0, paidBefore = 0, opening = 0, closing = 0;
  bool ok =
      Sum(before, &deliveredBefore, &paidBefore) && Sum(period, &statement->delivered, &statement->paid);
  ok = ok && !__builtin_sub_overflow(deliveredBefore, paidBefore, &opening) &&
       AddMoney(opening, statement->delivered, &closing) &&
       !__builtin_sub_overflow(closing, statement->paid, &closing);
  if (!ok) return impl_->Fail(kOverflow, why);
  MergeLines(std::move(period), &statement->lines);
  statement->opening = opening;
  statement->closing = closing;
  return true;
}

}  // namespace book
