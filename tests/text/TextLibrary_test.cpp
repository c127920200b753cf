// The table read every way, the one rule for bytes that are no character, character
// scanning and CSV fields. Under Wine the table is also held against the system's own
// code page 936.
#include <gtest/gtest.h>

#include "text/Cp936Table.h"
#include "text/Csv.h"
#include "text/GbkChars.h"
#include "text/GbkText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace text {
namespace {

TEST(Cp936Table, EveryGbkCharacterRoundTripsThroughUtf8AndUtf16) {
  int characters = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string gbk{char(lead), char(trail)};
      std::string utf8, back8, back16;
      std::u16string utf16;
      const bool converts = GbkToUtf8(gbk, &utf8);
      ASSERT_EQ(converts, Cp936PairToUnicode(lead, trail) != 0) << std::hex << lead << trail;
      ASSERT_EQ(GbkToUtf16(gbk, &utf16), converts);
      if (!converts) continue;
      ++characters;
      ASSERT_EQ(utf16.size(), 1u);
      ASSERT_TRUE(Utf8ToGbk(utf8, &back8) && back8 == gbk) << std::hex << lead << trail;
      ASSERT_TRUE(Utf16ToGbk(utf16, &back16) && back16 == gbk) << std::hex << lead << trail;
    }
  }
  EXPECT_EQ(characters, 21791);  // GBK's double-byte characters outside the user areas
}

TEST(Cp936Table, EveryBasicPlaneCharacterWithACodeComesBack) {
  int withCode = 0;
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    const uint16_t code = UnicodeToCp936(c);
    if (!code) continue;
    ++withCode;
    const char16_t back = code > 0xFF ? Cp936PairToUnicode(code >> 8, code & 0xFF) : u'\u20AC';
    ASSERT_EQ(back, c) << std::hex << unsigned(c);
  }
  EXPECT_EQ(withCode, 21792);  // the pairs and the euro sign
}

TEST(GbkRule, BadBytesAreReplacedAlikeInUtf8AndUtf16) {
  // Each byte that starts no character is one U+FFFD, and reading goes on after it.
  const std::string bad =
      "a\xFF\xB0\x7F\x81"
      "1\xAA\xA1!\xD6\xD0\xB0";
  EXPECT_EQ(GbkToUtf8Lossy(bad),
            u8"a\uFFFD\uFFFD\x7F\uFFFD"
            u8"1\uFFFD\uFFFD!中\uFFFD");
  EXPECT_EQ(GbkToUtf16Lossy(bad),
            u"a\uFFFD\uFFFD\x7F\uFFFD"
            u"1\uFFFD\uFFFD!中\uFFFD");
  std::u16string out;
  EXPECT_FALSE(GbkToUtf16(bad, &out));
}

TEST(GbkRule, CharactersWithoutGbkCodeBecomeOneQuestionMarkEach) {
  EXPECT_EQ(Utf8ToGbkLossy(u8"a\u0E01中\U0001F600\uE000b"), "a?中??b");
  EXPECT_EQ(Utf8ToGbkLossy("\xE4\xB8x\xC0\xAF"), "??x??");  // cut short, overlong: per byte
  EXPECT_EQ(Utf16ToGbkLossy(u"a\u0E01中\U0001F600\uE000b"), "a?中??b");
  EXPECT_EQ(Utf16ToGbkLossy(std::u16string{u'x', char16_t(0xD800), u'y', char16_t(0xDC00)}), "x?y?");
  std::string gbk;
  EXPECT_FALSE(Utf16ToGbk(u"\U0001F600", &gbk));
  EXPECT_TRUE(Utf16ToGbk(u"€合计 1", &gbk));
  EXPECT_EQ(gbk, "\x80合计 1");
}

TEST(GbkChars, AStrayLeadByteNeverSwallowsTheCharacterAfterIt) {
  EXPECT_EQ(GbkCharLength("\xD6\xD0", 0), 2u);
  EXPECT_EQ(GbkCharLength("\xD6|", 0), 2u);  // 0x7C is a trail byte
  EXPECT_EQ(GbkCharLength("\xD6", 0), 1u);   // cut at the end
  EXPECT_EQ(GbkCharLength("\xD6&", 0), 1u);  // below 0x40: ASCII stays ASCII
  EXPECT_EQ(GbkCharLength("\xD6\x7F", 0), 1u);
  EXPECT_EQ(GbkCharLength("\xFF\xA1", 0), 1u);  // 0xFF leads nothing
  EXPECT_EQ(CutGbk("a\xFF\xA1\xA1", 3), "a\xFF");
  EXPECT_EQ(CutGbk("a\xFF\xA1\xA1", 4), "a\xFF\xA1\xA1");
}

TEST(Csv, OnlyFieldsThatNeedItAreQuoted) {
  std::string out;
  AppendCsvField(u8"单价 12", &out);
  out += ',';
  AppendCsvField("say \"hi\", then\r\ngo", &out);
  EXPECT_EQ(out, u8"单价 12,\"say \"\"hi\"\", then\r\ngo\"");
}

#ifdef _WIN32
// The system maps the user-defined areas (and a few more codes) to private-use
// characters; the table leaves them out, and must agree on everything else.
bool PrivateUse(wchar_t c) { return c >= 0xE000 && c <= 0xF8FF; }

TEST(Cp936Table, AgreesWithTheSystemsCodePage) {
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const char pair[2] = {char(lead), char(trail)};
      wchar_t wide[2] = {};
      int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair, 2, wide, 2);
      const char16_t ours = Cp936PairToUnicode(lead, trail);
      if (n == 1 && !PrivateUse(wide[0]))
        ASSERT_EQ(unsigned(ours), unsigned(wide[0])) << std::hex << lead << trail;
      else
        ASSERT_EQ(ours, 0) << std::hex << lead << trail;
    }
  }
  for (wchar_t c = 0x80; c < 0xFFFF; ++c) {
    if (PrivateUse(c) || (c >= 0xD800 && c <= 0xDFFF)) continue;
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, 4, nullptr, &usedDefault);
    const uint16_t theirs = usedDefault || n <= 0 ? 0
                            : n == 1              ? uint8_t(bytes[0])
                                                  : uint8_t(bytes[0]) << 8 | uint8_t(bytes[1]);
    ASSERT_EQ(UnicodeToCp936(c), theirs) << std::hex << unsigned(c);
  }
}
#endif

}  // namespace
}  // namespace text
