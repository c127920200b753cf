// The receivables summary: the store reads each customer's dated notes up to the day
// (voided ones left out) and payments; the amounts are counted here as the statement
// counts them and handed to the rules of Receivables.h, the same for every store.
#include <unordered_map>

#include "book/core/BookDate.h"
#include "book/core/CellAmount.h"
#include "book/core/NoteBookImpl.h"

namespace book {

namespace {

// The rows grouped by customer, in the order the customers first appear; false on overflow.
bool GroupLedgers(const ReceivableRows& rows, std::vector<CustomerLedger>* ledgers) {
  std::unordered_map<std::string, size_t> index;
  auto ledgerOf = [&](const std::string& customer) -> CustomerLedger& {
    auto [it, added] = index.emplace(customer, ledgers->size());
    if (added) ledgers->push_back(CustomerLedger{customer, {}, {}});
    return (*ledgers)[it->second];
  };
  bool ok = true;
  for (const ReceivableRows::Delivery& d : rows.deliveries) {
    DatedAmount delivery{d.date, 0};
    for (const std::string& cell : d.amounts) ok = AddAmount(cell, &delivery.amount) && ok;
    ledgerOf(d.customer).deliveries.push_back(std::move(delivery));
  }
  for (const ReceivableRows::Paid& p : rows.payments)
    ledgerOf(p.customer).payments.push_back(DatedAmount{p.date, p.amount});
  return ok;
}

}  // namespace

bool NoteBook::MakeReceivables(const std::string& asOf, Receivables* receivables, std::string* why) {
  if (!IsIsoDate(asOf)) return impl_->Fail("日期有误：" + asOf, why);
  ReceivableRows rows;
  std::string reason;
  if (!impl_->store->ReadReceivables(asOf, &rows, &reason)) return impl_->Fail(reason, why);
  std::vector<CustomerLedger> ledgers;
  if (!GroupLedgers(rows, &ledgers)) return impl_->Fail("金额超出范围，无法汇总欠款", why);
  if (!SummariseReceivables(ledgers, asOf, receivables, &reason)) return impl_->Fail(reason, why);
  return true;
}

}  // namespace book
