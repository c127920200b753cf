#include "runtime/core/ValueConversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "runtime/core/Blocks.h"
#include "runtime/core/CoreValueCommands.h"
#include "runtime/core/DateTime.h"

namespace rt {
namespace {

struct CapitalCase {
  double number;
  const char* text;
};

void ExpectCapital(const std::vector<CapitalCase>& cases, bool simple) {
  for (const CapitalCase& c : cases)
    EXPECT_EQ(NumberToCapitalText(c.number, simple), c.text) << "number " << c.number;
}

//--- NumberToCapital -----------------------------------------------------------------

TEST(NumberToCapital, DocumentedAmounts) {
  ExpectCapital({{7, "柒元整"},
                 {1234.5, "壹仟贰佰叁拾肆元伍角整"},
                 {0, "零"},
                 {100, "壹佰元整"},
                 {100005, "壹拾万零伍元整"},
                 {0.5, "伍角整"},
                 {1.05, "壹元零伍分"},
                 {10.05, "壹拾元零伍分"},
                 {100000000, "壹亿元整"},
                 {120000000, "壹亿贰仟万元整"},
                 {100010000, "壹亿零壹万元整"},
                 {-7, "负柒元整"},
                 {0.004, "零"},
                 {0.005, "壹分"},
                 {20000.3, "贰万元零叁角整"},
                 {-0.001, "零"},
                 {9999999999999.99, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
                 {10000000000000, "溢出"}},
                false);
  EXPECT_EQ(NumberToCapitalText(1234, true), "一千二百三十四元整");
}

TEST(NumberToCapital, RoundsHalfUpToWholeFenWithTheNudge) {
  // Each of these is stored just below the written half (1.005 is 1.00499…), so only
  // the 1e-12 nudge carries it up; a plain round-half-up would lose one 分.
  ExpectCapital({{1.005, "壹元零壹分"},
                 {1.015, "壹元零贰分"},
                 {0.285, "贰角玖分"},
                 {8.325, "捌元叁角叁分"},
                 {4.35, "肆元叁角伍分"},
                 {0.125, "壹角叁分"},
                 {0.0049999999, "零"},
                 // Rounding up may clear the lower digits and bring in "整".
                 {0.995, "壹元整"},
                 {19.995, "贰拾元整"},
                 // Exact halves far beyond the nudge's reach still round up.
                 {1234567890.125, "壹拾贰亿叁仟肆佰伍拾陆万柒仟捌佰玖拾元零壹角叁分"},
                 {12345678.005, "壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元零壹分"}},
                false);
}

TEST(NumberToCapital, ZerosBetweenGroupsGiveOneZeroDigit) {
  ExpectCapital({{100000001, "壹亿零壹元整"},
                 {1000010, "壹佰万零壹拾元整"},
                 {10000000000, "壹佰亿元整"},
                 {1001000000, "壹拾亿零壹佰万元整"},
                 {1000000000000, "壹万亿元整"},
                 {1000000010000, "壹万亿零壹万元整"},
                 {1000000.5, "壹佰万元零伍角整"},
                 {10000.01, "壹万元零壹分"},
                 {101.1, "壹佰零壹元壹角整"},
                 {1010101, "壹佰零壹万零壹佰零壹元整"},
                 {200000000.2, "贰亿元零贰角整"},
                 {50005000, "伍仟万零伍仟元整"}},
                false);
}

TEST(NumberToCapital, FifteenDigitLimitAndNonNumbers) {
  ExpectCapital({{9999999999999.999, "溢出"},
                 {-10000000000000, "溢出"},  // no sign on the overflow text
                 {1e300, "溢出"},
                 {std::numeric_limits<double>::infinity(), "溢出"},
                 {-std::numeric_limits<double>::infinity(), "溢出"},
                 {std::numeric_limits<double>::quiet_NaN(), "溢出"},
                 {999999999999.99, "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"}},
                false);
}

TEST(NumberToCapital, NegativeAmountsAndTheSimpleForm) {
  ExpectCapital({{-0.005, "负壹分"},
                 {-1234.5, "负壹仟贰佰叁拾肆元伍角整"},
                 {-0.0, "零"},
                 {-100000001, "负壹亿零壹元整"}},
                false);
  ExpectCapital({{0, "零"},
                 {-7, "负七元整"},
                 {120000000.05, "一亿二千万元零五分"},
                 {10.5, "一十元零五角整"},
                 {99999999999, "九百九十九亿九千九百九十九万九千九百九十九元整"},
                 {1e14, "溢出"}},
                true);
}

//--- ToNumber ------------------------------------------------------------------------

TEST(ToNumber, ReadsTheLeadingDecimalNumber) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"  12abc", 12},    {"abc", 0},    {"", 0},
      {"-", 0},           {" +.", 0},    {"3.5", 3.5},
      {"-2.25x", -2.25},  {".5", 0.5},   {"5.", 5},
      {"+.5e-1x", 0.05},  {"1e5", 1e5},  {"1E+3", 1000},
      {"1e", 1},          {"1e+", 1},    {"2e-x", 2},
      {"\t\n\r\v\f7", 7}, {"1 2", 1},    {"0x10", 0},
      {"inf", 0},         {"nan", 0},    {"1.2.3", 1.2},
      {"--1", 0},         {"007", 7},    {"1,234", 1},
      {"0.1", 0.1},       {"1e-400", 0}, {"123456789012345678901234567890", 1.2345678901234568e29},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(TextToNumber(nullptr), 0);
  EXPECT_EQ(TextToNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::signbit(TextToNumber("-0")));
  EXPECT_EQ(TextToNumber("0e99999999999999"), 0);
  // Many digits and far exponents that balance out.
  EXPECT_EQ(TextToNumber(("0." + std::string(5000, '0') + "1e5001").c_str()), 1);
  EXPECT_EQ(TextToNumber((std::string(400, '9') + "e-400").c_str()), 1);
}

// Whole numbers of up to nineteen digits times a power of ten up to 1e22 are rounded
// by integer arithmetic; the compiler's own reading of the same literal is the oracle.
TEST(ToNumber, RoundsScaledWholeNumbersToNearestEven) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {{"9007199254740993", 9007199254740993.0},
                        {"9007199254740995", 9007199254740995.0},
                        {"9999999999999999999", 9999999999999999999.0},
                        {"9999999999999999999e22", 9999999999999999999e22},
                        {"1844674407370955161e22", 1844674407370955161e22},
                        {"123456789012345678e13", 123456789012345678e13},
                        {"7205759403792794e3", 7205759403792794e3},
                        {"4503599627370497.5e1", 45035996273704975.0},
                        {"0.0000000000000000000000123e27", 12300.0},
                        {"00000000000000000000012345.6789e4", 123456789.0},
                        {"1e22", 1e22},
                        {"1e23", 1e23},
                        {"3.0e0", 3.0}};
  for (const Case& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << c.text;
  EXPECT_EQ(TextToNumber("9007199254740993"), 9007199254740992.0);  // a tie goes to even
  EXPECT_EQ(TextToNumber("9007199254740995"), 9007199254740996.0);
}

TEST(ToNumber, FullWidthFormsCountAsTheirSingleByteForms) {
  EXPECT_EQ(TextToNumber("１２"), 12);
  EXPECT_EQ(TextToNumber("　　１２元"), 12);  // ideographic spaces are white space
  EXPECT_EQ(TextToNumber("－１．５"), -1.5);  // full-width minus and full stop
  EXPECT_EQ(TextToNumber("＋３Ｅ２"), 300);   // full-width plus and letter E
  EXPECT_EQ(TextToNumber("1２.5"), 12.5);     // mixed forms
  EXPECT_EQ(TextToNumber("中12"), 0);         // other double-byte characters stop the reading
  EXPECT_EQ(TextToNumber("12中3"), 12);
  EXPECT_EQ(TextToNumber("～1"), 0);  // "~" is no part of a number
  // A lone lead byte at the end, or one followed by a byte outside the full-width
  // range, is no digit and never read past.
  EXPECT_EQ(TextToNumber("12\xA3"), 12);
  EXPECT_EQ(TextToNumber("1\xA3\x32"), 1);
  EXPECT_EQ(TextToNumber("\xA3\xB1\xA3"), 1);
}

// The number exact sums take is the one TextToNumber reads, spelled in ASCII.
TEST(ToNumber, LeadingNumberTextIsWhatTheReadingTakes) {
  struct Case {
    const char* text;
    const char* number;
  };
  for (Case c : {Case{"12元", "12"}, Case{"　－１．５Ｅ２x", "-1.5e2"}, Case{" +.5", "0.5"}, Case{"1e", "1"},
                 Case{"7e-x", "7"}, Case{"abc", ""}, Case{"", ""}, Case{"-", ""}, Case{"3.", "3"}})
    EXPECT_EQ(LeadingNumberText(c.text), c.number) << c.text;
  EXPECT_EQ(LeadingNumberText(nullptr), "");
}

#ifndef _WIN32
// Within the usual characters the reading must agree bit for bit with a correctly
// rounding standard library (glibc's), including halfway cases and long inputs.
TEST(ToNumber, AgreesWithTheStandardReaderOnRandomTexts) {
  std::mt19937 random(20240506);
  const char alphabet[] = "0123456789012345678901234567890123456789..eE+- \t";
  for (int n = 0; n < 20000; ++n) {
    std::string text;
    const size_t length = random() % 40;
    for (size_t i = 0; i < length; ++i) text.push_back(alphabet[random() % (sizeof(alphabet) - 1)]);
    const double expected = std::strtod(text.c_str(), nullptr);
    const double actual = TextToNumber(text.c_str());
    EXPECT_EQ(std::memcmp(&expected, &actual, sizeof(double)), 0) << '"' << text << "\" " << actual;
  }
  // Whole digits with a small exponent, where the rounding is done without the FPU.
  for (int n = 0; n < 20000; ++n) {
    std::string text = std::to_string(1 + random() % 9);
    const size_t digits = random() % 19;
    for (size_t i = 0; i < digits; ++i) text.push_back(char('0' + random() % 10));
    text += "e" + std::to_string(random() % 23);
    const double expected = std::strtod(text.c_str(), nullptr);
    EXPECT_EQ(TextToNumber(text.c_str()), expected) << text;
  }
  for (const char* text : {"9007199254740993", "2.2250738585072011e-308", "4.9406564584124654e-324",
                           "1.7976931348623157e308", "1.7976931348623158e308", "0.1e-330"}) {
    EXPECT_EQ(TextToNumber(text), std::strtod(text, nullptr)) << text;
  }
}
#endif

TEST(ToNumber, ConvertsEveryKind) {
  EXPECT_EQ(ToNumberValue(MakeLogic(true)), 1);
  EXPECT_EQ(ToNumberValue(DataValue{5, 0, tag::kLogic}), 1);
  EXPECT_EQ(ToNumberValue(MakeLogic(false)), 0);
  EXPECT_EQ(ToNumberValue(DataValue{0xFFFFFF80u, 0, tag::kByte}), 128);  // unsigned low byte
  EXPECT_EQ(ToNumberValue(DataValue{0x00008000u, 0, tag::kShort}), -32768);
  EXPECT_EQ(ToNumberValue(MakeInt(-2147483647 - 1)), -2147483648.0);
  EXPECT_EQ(ToNumberValue(MakeLong(-9007199254740993LL)), -9007199254740992.0);
  EXPECT_EQ(ToNumberValue(MakeFloat(0.1f)), double(0.1f));
  EXPECT_EQ(ToNumberValue(MakeDouble(-2.5)), -2.5);
  EXPECT_EQ(ToNumberValue(DataValue{0xFFFFFFFFu, 0, tag::kUnsigned32}), 4294967295.0);
  char text[] = "  12abc";
  EXPECT_EQ(ToNumberValue(MakeTextPointer(text)), 12);
  EXPECT_EQ(ToNumberValue(MakeTextPointer(nullptr)), 0);
  // Kinds with no number in them.
  EXPECT_EQ(ToNumberValue(MakeDateTime(45000.5)), 0);
  EXPECT_EQ(ToNumberValue(DataValue{1, 0, tag::kByteSet}), 0);
  EXPECT_EQ(ToNumberValue(DataValue{1, 2, tag::kGrid}), 0);
  EXPECT_EQ(ToNumberValue(DataValue{1, 0, tag::kInt | tag::kArrayBit}), 0);
  EXPECT_EQ(ToNumberValue(DataValue{}), 0);
}

//--- ToText --------------------------------------------------------------------------

TEST(ToText, WritesNumbersWithTheirFormats) {
  EXPECT_EQ(ToTextValue(DataValue{0xFFFFFFFFu, 0, tag::kByte}), "255");
  EXPECT_EQ(ToTextValue(DataValue{0xFFFFFFFBu, 0, tag::kShort}), "-5");
  EXPECT_EQ(ToTextValue(DataValue{0x0000FFFBu, 0, tag::kShort}), "-5");
  EXPECT_EQ(ToTextValue(MakeInt(-2147483647 - 1)), "-2147483648");
  EXPECT_EQ(ToTextValue(MakeLong(INT64_MIN)), "-9223372036854775808");
  EXPECT_EQ(ToTextValue(MakeLong(1234567890123LL)), "1234567890123");
  EXPECT_EQ(ToTextValue(MakeFloat(0.1f)), "0.1");
  EXPECT_EQ(ToTextValue(MakeFloat(1234567.0f)), "1.23457e+06");
  EXPECT_EQ(ToTextValue(MakeFloat(100000.0f)), "100000");
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{0.1 + 0.2, "0.3"},
                        {1e20, "1e+20"},
                        {7, "7"},
                        {1234.5, "1234.5"},
                        {0, "0"},
                        {-0.0, "-0"},
                        {-12.75, "-12.75"},
                        {1e-5, "1e-05"},
                        {0.0001, "0.0001"},
                        {1234567890123.0, "1234567890123"},
                        {12345678901234.0, "1.234567890123e+13"},
                        {9999999999999.5, "1e+13"},
                        {1.0 / 3, "0.3333333333333"},
                        {1e-300, "1e-300"},
                        {std::numeric_limits<double>::infinity(), "inf"}};
  for (const Case& c : cases) EXPECT_EQ(ToTextValue(MakeDouble(c.value)), c.text) << c.value;
}

TEST(ToText, TextsLogicAndOtherKinds) {
  char text[] = "送货单";
  EXPECT_EQ(ToTextValue(MakeTextPointer(text)), "送货单");
  EXPECT_EQ(ToTextValue(MakeTextPointer(nullptr)), "");
  EXPECT_EQ(ToTextValue(MakeLogic(true)), "真");
  EXPECT_EQ(ToTextValue(DataValue{0x100, 0, tag::kLogic}), "真");
  EXPECT_EQ(ToTextValue(MakeLogic(false)), "假");
  EXPECT_EQ(ToTextValue(DataValue{}), "");
  EXPECT_EQ(ToTextValue(MakeUnit(tag::kGrid, UnitRef{0x52010001, 0x1601000C})), "");
  EXPECT_EQ(ToTextValue(DataValue{7, 0, tag::kUnsigned32}), "");
  EXPECT_EQ(ToTextValue(DataValue{7, 0, tag::kTwoWords}), "");
}

TEST(ToText, WritesDatesWithTheLargestNonZeroTimeUnit) {
  const double day = MakeDateTime(2024, 5, 6);
  EXPECT_EQ(ToTextValue(MakeDateTime(day)), "2024年5月6日");
  EXPECT_EQ(ToTextValue(MakeDateTime(MakeDateTime(2024, 5, 6, 8, 30, 0))), "2024年5月6日8时30分");
  EXPECT_EQ(ToTextValue(MakeDateTime(MakeDateTime(2024, 5, 6, 8, 0, 0))), "2024年5月6日8时");
  EXPECT_EQ(ToTextValue(MakeDateTime(MakeDateTime(2024, 5, 6, 8, 0, 5))), "2024年5月6日8时0分5秒");
  EXPECT_EQ(ToTextValue(MakeDateTime(MakeDateTime(2024, 5, 6, 0, 0, 5))), "2024年5月6日0时0分5秒");
  EXPECT_EQ(ToTextValue(MakeDateTime(MakeDateTime(2024, 5, 6, 0, 5, 0))), "2024年5月6日0时5分");
  EXPECT_EQ(ToTextValue(MakeDateTime(MakeDateTime(2024, 12, 31, 23, 59, 59))), "2024年12月31日23时59分59秒");
  // 08:30 written by hand as a fraction that lies a hair below the minute.
  EXPECT_EQ(DateTimeText(day + 8.5 / 24 - 1e-10), "2024年5月6日8时30分");
  EXPECT_EQ(DateTimeText(-1.25), "1899年12月29日6时");
  // Out of range dates are clamped, not rejected.
  EXPECT_EQ(DateTimeText(-1e9), "100年1月1日");
  EXPECT_EQ(DateTimeText(1e9), "9999年12月31日");
  EXPECT_EQ(DateTimeText(std::numeric_limits<double>::quiet_NaN()), "1899年12月30日");
}

TEST(ToText, ByteSetsAndNumericArraysGiveTheirBytesToTheFirstZero) {
  void* set = NewByteSet("ab\0cd", 5);
  EXPECT_EQ(ToTextValue(DataValue{0, 0, tag::kByteSet}), "");
  DataValue v{0, 0, tag::kByteSet};
  SetPointer(v, set);
  EXPECT_EQ(ToTextValue(v), "ab");
  FreeBlock(set);
  set = NewByteSet("xyz", 3);  // no zero: all of it
  SetPointer(v, set);
  EXPECT_EQ(ToTextValue(v), "xyz");
  FreeBlock(set);

  // A 2 x 2 array of integers: the element bytes, little-endian, up to the first zero.
  const int32_t ints[] = {2, 2, 2, 0x34333231, 0x38373635, 0x41, 0x42};
  DataValue array{0, 0, tag::kInt | tag::kArrayBit};
  SetPointer(array, ints);
  EXPECT_EQ(ToTextValue(array), "12345678A");
  const int32_t bytes[] = {1, 3, 0x00636261};
  SetPointer(array, bytes);
  array.type = tag::kByte | tag::kArrayBit;
  EXPECT_EQ(ToTextValue(array), "abc");
  array.type = tag::kText | tag::kArrayBit;  // not a numeric kind
  EXPECT_EQ(ToTextValue(array), "");

  // Headers no array can have give nothing instead of reading past the block.
  const int32_t negative[] = {1, -4, 0x31313131};
  const int32_t noDimensions[] = {0, 0x31313131};
  const int32_t huge[] = {3, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF};
  array.type = tag::kDouble | tag::kArrayBit;
  for (const int32_t* header : {negative, noDimensions, huge}) {
    SetPointer(array, header);
    EXPECT_EQ(ToTextValue(array), "");
  }
  SetPointer(array, nullptr);
  EXPECT_EQ(ToTextValue(array), "");
}

//--- The commands --------------------------------------------------------------------

std::string TakeText(DataValue& result) {
  EXPECT_EQ(result.type, tag::kText);
  const char* p = static_cast<const char*>(PointerOf(result));
  EXPECT_NE(p, nullptr);
  std::string s = p ? p : "";
  FreeBlock(PointerOf(result));
  return s;
}

TEST(CoreValueCommands, RecalculateANoteThroughTheCallConvention) {
  // Quantity 2 and price 3.5 give 7; the total row then reads 柒元整 and 7.
  char quantity[] = "2", price[] = "3.5";
  DataValue arg = MakeTextPointer(quantity), result{};
  CmdToNumber(&result, 1, &arg);
  ASSERT_EQ(result.type, tag::kDouble);
  const double q = DoubleOf(result);
  arg = MakeTextPointer(price);
  result = DataValue{};
  CmdToNumber(&result, 1, &arg);
  const double total = q * DoubleOf(result);

  DataValue capital[2] = {MakeDouble(total), MakeLogic(false)};
  result = DataValue{};
  CmdNumberToCapital(&result, 2, capital);
  EXPECT_EQ("大写金额：" + TakeText(result), "大写金额：柒元整");
  arg = MakeDouble(total);
  result = DataValue{};
  CmdToText(&result, 1, &arg);
  EXPECT_EQ("小写金额：" + TakeText(result), "小写金额：7");

  capital[0] = MakeDouble(1234.5);
  result = DataValue{};
  CmdNumberToCapital(&result, 2, capital);
  EXPECT_EQ(TakeText(result), "壹仟贰佰叁拾肆元伍角整");
  capital[1] = MakeLogic(true);
  result = DataValue{};
  CmdNumberToCapital(&result, 2, capital);
  EXPECT_EQ(TakeText(result), "一千二百三十四元五角整");
}

TEST(CoreValueCommands, MissingArgumentsAndOtherKinds) {
  DataValue result{};
  CmdToNumber(&result, 0, nullptr);
  EXPECT_EQ(result.type, tag::kDouble);
  EXPECT_EQ(DoubleOf(result), 0);
  result = DataValue{};
  CmdToText(&result, 0, nullptr);
  EXPECT_EQ(TakeText(result), "");
  result = DataValue{};
  CmdNumberToCapital(&result, 0, nullptr);
  EXPECT_EQ(TakeText(result), "零");

  // The simple-form flag may be left out (tag 0, or too few arguments): capital form.
  DataValue args[2] = {MakeDouble(-7), DataValue{1, 0, tag::kNone}};
  result = DataValue{};
  CmdNumberToCapital(&result, 2, args);
  EXPECT_EQ(TakeText(result), "负柒元整");
  result = DataValue{};
  CmdNumberToCapital(&result, 1, args);
  EXPECT_EQ(TakeText(result), "负柒元整");
  // A number passed as an integer is converted, not read as double bits.
  args[0] = MakeInt(1234);
  result = DataValue{};
  CmdNumberToCapital(&result, 1, args);
  EXPECT_EQ(TakeText(result), "壹仟贰佰叁拾肆元整");

  DataValue date = MakeDateTime(MakeDateTime(2024, 5, 6, 8, 30, 0));
  result = DataValue{};
  CmdDatePart(&result, 1, &date);
  EXPECT_EQ(result.type, tag::kDateTime);
  EXPECT_EQ(DoubleOf(result), MakeDateTime(2024, 5, 6));
  result = DataValue{};
  CmdDatePart(&result, 0, nullptr);
  EXPECT_EQ(result.type, tag::kDateTime);
  EXPECT_EQ(DoubleOf(result), 0);
  date = MakeDouble(1e12);
  result = DataValue{};
  CmdDatePart(&result, 1, &date);
  EXPECT_EQ(DoubleOf(result), kMaxDateTime);
}

}  // namespace
}  // namespace rt
