#include "book/core/CellAmount.h"

#include <cmath>

#include "runtime/core/ValueConversions.h"

namespace book {

bool ReadAmount(const std::string& cellText, Money* value) {
  std::string number = rt::LeadingNumberText(cellText.c_str());
  *value = 0;
  if (number.empty() || ParseMoney(number, value)) return true;
  // More digits or a farther exponent than ParseMoney takes: the note's own reading
  // decides whether the value is in range (a tiny one counts 0).
  double reading = rt::TextToNumber(cellText.c_str());
  if (!(std::fabs(reading) < double(INT64_MAX) / double(kMoneyScale))) return false;
  *value = Money(std::llround(reading * double(kMoneyScale)));
  return true;
}

bool AddAmount(const std::string& cellText, Money* sum) {
  Money value = 0;
  return ReadAmount(cellText, &value) && AddMoney(*sum, value, sum);
}

}  // namespace book
