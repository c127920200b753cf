// One reading of an amount cell for every sum the book makes: the leading number the
// note's own total reads (full-width digits count, "12元" is 12, "abc" is 0), taken
// exactly into Money, so a statement agrees with the notes the customer signed.
#pragma once

#include <string>

#include "book/core/Money.h"

namespace book {

// The amount the cell text counts for; false when it is beyond Money's range.
bool ReadAmount(const std::string& cellText, Money* value);

// Adds the cell's amount to *sum; false when the amount or the sum leaves Money's range.
bool AddAmount(const std::string& cellText, Money* sum);

}  // namespace book
