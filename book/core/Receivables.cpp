#include "book/core/Receivables.h"

#include <algorithm>
#include <utility>

#include "book/core/BookDate.h"

namespace book {

namespace {

const char kOverflow[] = "金额超出范围，无法汇总欠款";

struct Delivery {
  int64_t day;
  Money amount;
};

int BucketOfAge(int64_t days) {
  if (days <= 30) return 0;
  if (days <= 60) return 1;
  return days <= 90 ? 2 : 3;
}

// Sums a customer's figures up to the day `asOfDay`; false on overflow. `counted` tells
// whether anything was dated up to it.
bool SumCustomer(const CustomerLedger& ledger, int64_t asOfDay, ReceivableRow* row, bool* counted) {
  std::vector<Delivery> owing;  // the deliveries still to be paid for
  Money credit = 0;             // payments, and goods taken back
  bool ok = true;
  for (const DatedAmount& d : ledger.deliveries) {
    int64_t day = 0;
    if (!DayNumber(d.date, &day) || day > asOfDay) continue;
    *counted = true;
    ok = ok && AddMoney(row->delivered, d.amount, &row->delivered);
    if (d.amount > 0)
      owing.push_back({day, d.amount});
    else
      ok = ok && AddMoney(credit, -d.amount, &credit);
  }
  for (const DatedAmount& p : ledger.payments) {
    int64_t day = 0;
    if (!DayNumber(p.date, &day) || day > asOfDay) continue;
    *counted = true;
    ok = ok && AddMoney(row->paid, p.amount, &row->paid) && AddMoney(credit, p.amount, &credit);
  }
  if (!ok || __builtin_sub_overflow(row->delivered, row->paid, &row->owed)) return false;
  // The oldest are paid first, so what is owed is the newest deliveries' part.
  std::stable_sort(owing.begin(), owing.end(),
                   [](const Delivery& a, const Delivery& b) { return a.day > b.day; });
  Money unpaid = std::max<Money>(row->owed, 0);
  for (const Delivery& d : owing) {
    if (unpaid <= 0) break;
    Money part = std::min(unpaid, d.amount);
    row->aged[size_t(BucketOfAge(asOfDay - d.day))] += part;
    unpaid -= part;
  }
  return true;
}

bool AddRow(const ReceivableRow& row, ReceivableRow* total) {
  bool ok = AddMoney(total->delivered, row.delivered, &total->delivered) &&
            AddMoney(total->paid, row.paid, &total->paid) && AddMoney(total->owed, row.owed, &total->owed);
  for (int b = 0; b < kAgeBuckets; ++b) ok = ok && AddMoney(total->aged[b], row.aged[b], &total->aged[b]);
  return ok;
}

}  // namespace

bool SummariseReceivables(const std::vector<CustomerLedger>& ledgers, const std::string& asOf,
                          Receivables* receivables, std::string* why) {
  int64_t asOfDay = 0;
  if (!DayNumber(asOf, &asOfDay)) return *why = "日期有误：" + asOf, false;
  Receivables result;
  result.asOf = asOf;
  result.total.customer = "合计";
  for (const CustomerLedger& ledger : ledgers) {
    ReceivableRow row;
    row.customer = ledger.customer;
    bool counted = false;
    if (!SumCustomer(ledger, asOfDay, &row, &counted) || !AddRow(row, &result.total))
      return *why = kOverflow, false;
    if (counted) result.rows.push_back(std::move(row));
  }
  std::sort(result.rows.begin(), result.rows.end(), [](const ReceivableRow& a, const ReceivableRow& b) {
    return a.owed != b.owed ? a.owed > b.owed : a.customer < b.customer;
  });
  *receivables = std::move(result);
  return true;
}

}  // namespace book
