#include "book/core/NoteNumberText.h"

namespace book {

bool CheckNumberFormat(const NumberFormat& format, std::string* reason) {
  if (format.serialDigits < 1 || format.serialDigits > kMaxSerialDigits) {
    *reason = "流水号位数应为1到9位";
    return false;
  }
  if (format.prefix.size() > kMaxPrefixBytes) {
    *reason = "单据编号前缀太长";
    return false;
  }
  for (char c : format.prefix)
    if (static_cast<unsigned char>(c) < 0x20) {
      *reason = "单据编号前缀不能含有控制字符";
      return false;
    }
  return true;
}

std::string NumberStem(const NumberFormat& format, std::string_view isoDate) {
  std::string stem = format.prefix;
  if (format.withDate) {
    stem.append(isoDate.substr(0, 4));
    stem.append(isoDate.substr(5, 2));
    stem.append(isoDate.substr(8, 2));
  }
  return stem;
}

std::string NoteNumberText(const std::string& stem, int64_t serial, int digits) {
  std::string text = std::to_string(serial);
  if (text.size() < size_t(digits)) text.insert(0, size_t(digits) - text.size(), '0');
  return stem + text;
}

}  // namespace book
