#include "book/core/Money.h"

#include <cctype>

namespace book {

namespace {

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, no leading zeros
  int exponent = 0;    // value = digits * 10^exponent
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads [sign] digits [. digits] [e [sign] digits].
bool ReadDecimal(std::string_view s, Decimal* d) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) d->negative = s[i++] == '-';
  bool any = false, point = false;
  for (; i < s.size() && (IsDigit(s[i]) || (s[i] == '.' && !point)); ++i) {
    if (s[i] == '.') {
      point = true;
      continue;
    }
    any = true;
    if (point) --d->exponent;
    if (s[i] != '0' || !d->digits.empty()) d->digits += s[i];
    if (d->digits.size() > 40) return false;  // more than any cell text holds
  }
  if (!any) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool minus = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i == s.size()) return false;
    int e = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i)
      if ((e = e * 10 + (s[i] - '0')) > 400) return false;
    d->exponent += minus ? -e : e;
  }
  return i == s.size();
}

}  // namespace

bool ParseMoney(std::string_view text, Money* value) {
  Decimal d;
  if (!ReadDecimal(Trim(text), &d)) return false;
  int shift = d.exponent + 9;  // to billionths
  std::string digits = d.digits;
  bool roundUp = false;
  if (shift < 0) {
    size_t keep = -shift >= int(digits.size()) ? 0 : digits.size() - size_t(-shift);
    roundUp = -shift <= int(digits.size()) && digits[keep] >= '5';
    digits.resize(keep);
    shift = 0;
  }
  if (int(digits.size()) + shift > 19) return false;
  uint64_t v = 0;
  for (char c : digits) v = v * 10 + uint64_t(c - '0');
  for (int k = 0; k < shift; ++k) v *= 10;
  if (roundUp) ++v;
  if (v > uint64_t(INT64_MAX)) return false;
  *value = d.negative ? -Money(v) : Money(v);
  return true;
}

bool AddMoney(Money a, Money b, Money* sum) { return !__builtin_add_overflow(a, b, sum); }

std::string MoneyText(Money value) {
  bool negative = value < 0;
  uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
  uint64_t fen = magnitude / uint64_t(kFen) + (magnitude % uint64_t(kFen) >= uint64_t(kFen) / 2 ? 1 : 0);
  std::string text = std::to_string(fen / 100) + '.';
  text += char('0' + fen % 100 / 10);
  text += char('0' + fen % 10);
  return negative && fen ? "-" + text : text;
}

std::string MoneyDecimal(Money value) {
  bool negative = value < 0;
  uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
  std::string text = std::to_string(magnitude / uint64_t(kMoneyScale));
  std::string fraction = std::to_string(magnitude % uint64_t(kMoneyScale));
  fraction.insert(0, 9 - fraction.size(), '0');
  fraction.erase(fraction.find_last_not_of('0') + 1);
  if (!fraction.empty()) text += '.' + fraction;
  return negative ? "-" + text : text;
}

}  // namespace book
