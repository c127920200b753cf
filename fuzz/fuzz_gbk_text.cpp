// Any bytes, read as GBK, UTF-8 and UTF-16, must convert without overrunning; what
// converts exactly must come back byte for byte, and the lossy forms must replace bad
// bytes the same way whichever Unicode form they go through.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/Cp936Table.h"
#include "text/GbkChars.h"
#include "text/GbkText.h"

namespace {

// Every GBK character once, on the first input.
void EveryCharacterRoundTrips() {
  for (unsigned lead = 0x80; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      std::string gbk = lead == 0x80 ? std::string(1, '\x80') : std::string{char(lead), char(trail)};
      std::string utf8, back;
      std::u16string utf16;
      if (text::GbkToUtf8(gbk, &utf8) != text::GbkToUtf16(gbk, &utf16)) abort();
      if (utf8.empty()) continue;
      if (!text::Utf8ToGbk(utf8, &back) || back != gbk) abort();
      if (!text::Utf16ToGbk(utf16, &back) || back != gbk) abort();
    }
  }
}

void CheckAsGbk(const std::string& bytes) {
  std::string utf8, back;
  std::u16string utf16;
  const bool exact = text::GbkToUtf8(bytes, &utf8);
  if (exact != text::GbkToUtf16(bytes, &utf16)) abort();
  if (exact) {
    if (!text::Utf8ToGbk(utf8, &back) || back != bytes) abort();
    if (!text::Utf16ToGbk(utf16, &back) || back != bytes) abort();
    if (text::GbkToUtf8Lossy(bytes) != utf8) abort();
  }
  // U+FFFD has no GBK code, so each replaced byte comes back as one "?" either way.
  const std::string via8 = text::Utf8ToGbkLossy(text::GbkToUtf8Lossy(bytes));
  if (via8 != text::Utf16ToGbkLossy(text::GbkToUtf16Lossy(bytes))) abort();
  if (!text::GbkToUtf8(via8, &utf8)) abort();

  size_t at = 0;
  while (at < bytes.size()) at += text::GbkCharLength(bytes, at);
  if (at != bytes.size()) abort();
  const std::string_view cut = text::CutGbk(bytes, bytes.size() / 2);
  if (cut.size() > bytes.size() / 2 || cut.size() + 1 < bytes.size() / 2) abort();
}

void CheckAsUnicode(const uint8_t* data, size_t size) {
  const std::string utf8(reinterpret_cast<const char*>(data), size);
  std::string gbk, back;
  if (text::Utf8ToGbk(utf8, &gbk) && (!text::GbkToUtf8(gbk, &back) || back != utf8)) abort();
  if (!text::GbkToUtf8(text::Utf8ToGbkLossy(utf8), &back)) abort();
  // UTF-8 and UTF-16 between themselves: a bad byte is one U+FFFD, the same as the GBK
  // forms count it, and what came through once comes through unchanged.
  const std::u16string wide = text::Utf8ToUtf16(utf8);
  if (text::Utf16ToGbkLossy(wide) != text::Utf8ToGbkLossy(utf8)) abort();
  const std::string clean = text::Utf16ToUtf8(wide);
  if (text::Utf8ToUtf16(clean) != wide || text::Utf16ToUtf8(text::Utf8ToUtf16(clean)) != clean) abort();

  std::u16string utf16(size / 2, u'\0');
  for (size_t i = 0; i < utf16.size(); ++i) utf16[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
  std::u16string back16;
  if (text::Utf16ToGbk(utf16, &gbk) && (!text::GbkToUtf16(gbk, &back16) || back16 != utf16)) abort();
  if (!text::GbkToUtf16(text::Utf16ToGbkLossy(utf16), &back16)) abort();
  const std::u16string clean16 = text::Utf8ToUtf16(text::Utf16ToUtf8(utf16));
  if (text::Utf8ToUtf16(text::Utf16ToUtf8(clean16)) != clean16) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool checked = (EveryCharacterRoundTrips(), true);
  (void)checked;
  CheckAsGbk(std::string(reinterpret_cast<const char*>(data), size));
  CheckAsUnicode(data, size);
  return 0;
}
