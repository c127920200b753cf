// What every customer owes on a day, and since when: the rules of the receivables
// summary (欠款汇总), apart from any store. A store reads each customer's deliveries (a
// note's date and its amount, counted as the statement counts it) and payments; these
// rules settle and age them.
//   - Only what is dated up to the day counts; a payment after it is not yet made.
//   - Payments settle the oldest deliveries first (a note with a negative amount, goods
//     taken back, settles like a payment); what stays unpaid is aged by its note's date.
//   - A customer who paid more than was delivered owes a negative sum, and nothing ages.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "book/core/Money.h"

namespace book {

struct DatedAmount {
  std::string date;  // YYYY-MM-DD
  Money amount = 0;
};

struct CustomerLedger {
  std::string customer;                 // GBK
  std::vector<DatedAmount> deliveries;  // one per note
  std::vector<DatedAmount> payments;
};

// 0–30 天, 31–60 天, 61–90 天, 90 天以上: the days from the note's date to the day.
inline constexpr int kAgeBuckets = 4;
inline constexpr const char* kAgeBucketNames[kAgeBuckets] = {"0–30 天", "31–60 天", "61–90 天", "90 天以上"};

struct ReceivableRow {
  std::string customer;  // GBK; "合计" in the total row
  Money delivered = 0, paid = 0, owed = 0;
  std::array<Money, kAgeBuckets> aged{};  // sums to `owed` when it is above zero
};

struct Receivables {
  std::string asOf;                 // YYYY-MM-DD
  std::vector<ReceivableRow> rows;  // largest debt first, then by name
  ReceivableRow total;
};

// The summary on `asOf` of every customer with a delivery or payment dated up to it.
// False with the reason (GBK) for a date that is no day or sums beyond Money's range.
bool SummariseReceivables(const std::vector<CustomerLedger>& ledgers, const std::string& asOf,
                          Receivables* receivables, std::string* why);

}  // namespace book
