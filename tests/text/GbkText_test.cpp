#include "text/GbkText.h"

#include <gtest/gtest.h>

namespace text {
namespace {

std::string ToUtf8(std::string_view gbk) {
  std::string out;
  EXPECT_TRUE(GbkToUtf8(gbk, &out)) << gbk;
  return out;
}

bool Converts(std::string_view gbk) {
  std::string out;
  return GbkToUtf8(gbk, &out);
}

TEST(GbkText, KnownCharactersBothWays) {
  // Narrow literals are GBK in this build; u8 literals are UTF-8.
  struct Case {
    std::string gbk;
    std::string utf8;
  } cases[] = {
      {"", ""},
      {"plain ASCII, with \t tab", "plain ASCII, with \t tab"},
      {"销售单", u8"销售单"},
      {"\xD6\xD0", u8"中"},
      {"大写金额：", u8"大写金额："},
      {"\x80", u8"€"},           // the code page's single-byte euro sign
      {"\xA1\xA4", u8"\u00B7"},  // middle dot
      {"\xA1\xAA", u8"\u2014"},  // em dash
      {"\xA8\x44", u8"\u2015"},  // horizontal bar
      {"\x81\x40", u8"\u4E02"},  // first code of the extension area
      {"\xFE\x4F", u8"\uFA29"},  // last compatibility ideograph before the user area
      {"A\xA3\xA4"
       "B",
       u8"A￥B"},  // full-width yen amid ASCII
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToUtf8(c.gbk), c.utf8);
    std::string back;
    ASSERT_TRUE(Utf8ToGbk(c.utf8, &back)) << c.utf8;
    EXPECT_EQ(back, c.gbk);
  }
}

TEST(GbkText, BytesThatAreNoCharacterDoNotConvert) {
  EXPECT_FALSE(Converts("\xFF"));      // never a lead byte
  EXPECT_FALSE(Converts("\xB0"));      // lead byte at the end
  EXPECT_FALSE(Converts("abc\xD6"));   // cut inside a character
  EXPECT_FALSE(Converts("\xB0\x7F"));  // 0x7F is no trail byte
  EXPECT_FALSE(Converts("\xB0\xFF"));  // nor is 0xFF
  // User-defined areas convert nowhere, so every platform gives the same answer.
  EXPECT_FALSE(Converts("\xAA\xA1"));
  EXPECT_FALSE(Converts("\xF8\xA1"));
  EXPECT_FALSE(Converts("\xA1\x40"));
  EXPECT_FALSE(Converts("\xFE\x50"));
  EXPECT_TRUE(Converts("\xB0\xA1"));  // a real character next to them
}

TEST(GbkText, Utf8WithoutGbkFormIsRefused) {
  std::string out;
  EXPECT_FALSE(Utf8ToGbk("\xF0\x9F\x98\x80", &out));  // outside the basic plane
  EXPECT_FALSE(Utf8ToGbk(u8"\uE000", &out));          // private use
  EXPECT_FALSE(Utf8ToGbk(u8"\u0E01", &out));          // Thai: no GBK code
  EXPECT_FALSE(Utf8ToGbk("\xC0\xAF", &out));          // overlong '/'
  EXPECT_FALSE(Utf8ToGbk("\xED\xA0\x80", &out));      // encoded surrogate
  EXPECT_FALSE(Utf8ToGbk("\xE4\xB8", &out));          // cut short
  EXPECT_FALSE(Utf8ToGbk("\x80", &out));              // stray continuation byte
}

TEST(GbkText, LossyConversionMarksOnlyTheBadBytes) {
  EXPECT_EQ(GbkToUtf8Lossy("中\xFF"
                           "A"),
            u8"中\uFFFDA");
  EXPECT_EQ(GbkToUtf8Lossy("\xB0"), u8"\uFFFD");
  EXPECT_EQ(GbkToUtf8Lossy("ok\xAA\xA1"
                           "!"),
            u8"ok\uFFFD\uFFFD!");
  EXPECT_EQ(GbkToUtf8Lossy("\x80"
                           "1"),
            u8"€1");
  EXPECT_EQ(GbkToUtf8Lossy("合计"), u8"合计");
}

TEST(GbkText, Utf8AndUtf16CarryEveryCharacterAndMarkBadUnits) {
  EXPECT_EQ(Utf8ToUtf16(u8"单据 A\U0001F600"), u"单据 A\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(u"单据 A\U0001F600"), u8"单据 A\U0001F600");
  EXPECT_EQ(Utf8ToUtf16("a\xE4\xB8"
                        "b"),
            u"a\uFFFD\uFFFDb");  // a character cut short
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), u8"a\uFFFDb");
}

}  // namespace
}  // namespace text
