// Money added up exactly. An amount is a whole number of billionths of a yuan, so the
// amount texts of the cells (up to 13 significant digits) sum without floating drift,
// and a statement rounds to the fen once, at the end: 0.1 + 0.2 reads 0.30.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace book {

using Money = int64_t;
inline constexpr Money kMoneyScale = 1000000000;  // units in one yuan
inline constexpr Money kFen = kMoneyScale / 100;

// A decimal text ("7", " -1227.5 ", "1.5e-05") as Money; digits past the ninth decimal
// round half away from zero. False for anything else, or beyond about ±9 billion yuan.
bool ParseMoney(std::string_view text, Money* value);

// False when the sum leaves Money's range.
bool AddMoney(Money a, Money b, Money* sum);

// Rounded to the fen, half away from zero, with two decimals: "1234.50", "-0.30".
std::string MoneyText(Money value);

// Exact, without trailing zeros, as the note writes its own total: "4.5", "1000", "-0.3".
std::string MoneyDecimal(Money value);

}  // namespace book
