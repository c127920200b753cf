// Handing out note numbers: the format is the book's settings, checked here; the store
// takes the serial in one transaction, so two programs sharing the book never get the
// same number, and passes over a number already on a recorded note (typed by hand, say).
#include "book/core/BookDate.h"
#include "book/core/NoteBookImpl.h"
#include "book/core/NoteNumberText.h"

namespace book {

namespace {

const char kPrefixKey[] = "number.prefix";
const char kWithDateKey[] = "number.with_date";
const char kDigitsKey[] = "number.serial_digits";

// The format the settings say; a value some other program put there must not break
// the numbering.
NumberFormat FormatOf(const std::vector<BookContents::Setting>& settings) {
  NumberFormat format;
  for (const BookContents::Setting& s : settings) {
    if (s.key == kPrefixKey) format.prefix = s.value;
    if (s.key == kWithDateKey) format.withDate = std::atoll(s.value.c_str()) != 0;
    if (s.key == kDigitsKey) format.serialDigits = int(std::atoll(s.value.c_str()));
  }
  std::string ignored;
  return CheckNumberFormat(format, &ignored) ? format : NumberFormat();
}

}  // namespace

bool NoteBook::NextNumber(const std::string& todayYmd, std::string* number, std::string* why) {
  if (!IsIsoDate(todayYmd)) return impl_->Fail("日期有误：" + todayYmd, why);
  std::vector<BookContents::Setting> settings;
  std::string reason;
  if (!impl_->store->ReadSettings("number.", &settings, &reason)) return impl_->Fail(reason, why);
  NumberFormat format = FormatOf(settings);
  std::string stem = NumberStem(format, todayYmd);
  auto numberOf = [&](int64_t serial) { return NoteNumberText(stem, serial, format.serialDigits); };
  return impl_->Done(impl_->store->TakeSerial(stem, numberOf, number, &reason), reason, why);
}

Answer<NumberFormat> NoteBook::GetNumberFormat() {
  std::vector<BookContents::Setting> settings;
  std::string reason;
  if (!impl_->store->ReadSettings("number.", &settings, &reason)) return FailedAnswer<NumberFormat>(reason);
  return {FormatOf(settings), true, ""};
}

bool NoteBook::SetNumberFormat(const NumberFormat& format, std::string* why) {
  std::string reason;
  if (!CheckNumberFormat(format, &reason)) return impl_->Fail(reason, why);
  std::vector<BookContents::Setting> settings = {{kPrefixKey, format.prefix},
                                                 {kWithDateKey, format.withDate ? "1" : "0"},
                                                 {kDigitsKey, std::to_string(format.serialDigits)}};
  return impl_->Done(impl_->store->WriteSettings(settings, &reason), reason, why);
}

}  // namespace book
