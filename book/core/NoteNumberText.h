// The text of a note number: prefix, date part yyyyMMdd, serial of a fixed number of
// digits ("NO." "20240105" "007"). The stem, prefix and date part, is what a serial
// counts within: with a date part the serial restarts each day.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "book/core/NoteBook.h"

namespace book {

inline constexpr int kMaxSerialDigits = 9;
inline constexpr size_t kMaxPrefixBytes = 40;

// False with a reason (GBK) for a format the numbering cannot use.
bool CheckNumberFormat(const NumberFormat& format, std::string* reason);

// `isoDate` is "YYYY-MM-DD".
std::string NumberStem(const NumberFormat& format, std::string_view isoDate);

// The serial zero-padded to `digits`; a serial past them keeps all its digits.
std::string NoteNumberText(const std::string& stem, int64_t serial, int digits);

}  // namespace book
