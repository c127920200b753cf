#include "calendar/core/MonthCalendarProps.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/core/ByteArchive.h"

namespace cal {
namespace {

std::vector<uint8_t> Block(uint32_t version, double date, uint32_t layout, uint32_t band,
                           const std::string& pattern) {
  uint64_t bits;
  std::memcpy(&bits, &date, sizeof bits);
  rt::ByteWriter w;
  w.Zeros(20).Word(version).Word(uint32_t(bits)).Word(uint32_t(bits >> 32)).Word(layout).Word(band);
  w.CountedText(pattern);
  return w.Take();
}

TEST(MonthCalendarProps, ReadsTheStoredSettings) {
  std::vector<uint8_t> b = Block(1, 41050.5, 0, 0, "%y年");
  MonthCalendarProps p;
  ASSERT_TRUE(ReadMonthCalendarProps(b.data(), b.size(), &p));
  EXPECT_EQ(p.selectedDate, 41050.5);
  EXPECT_FALSE(p.gregorianLayout);
  EXPECT_FALSE(p.bandShown);
  EXPECT_EQ(p.pattern, "%y年");

  b = Block(1, 0, 1, 1, "");
  ASSERT_TRUE(ReadMonthCalendarProps(b.data(), b.size(), &p));
  EXPECT_EQ(p.selectedDate, 0);
  EXPECT_TRUE(p.gregorianLayout);
  EXPECT_TRUE(p.bandShown);
  EXPECT_EQ(p.pattern, "");
}

TEST(MonthCalendarProps, RefusesBadBlocks) {
  MonthCalendarProps p;
  std::vector<uint8_t> newer = Block(2, 0, 1, 1, "");
  EXPECT_FALSE(ReadMonthCalendarProps(newer.data(), newer.size(), &p));
  std::vector<uint8_t> good = Block(1, 0, 1, 1, "ab");
  EXPECT_FALSE(ReadMonthCalendarProps(good.data(), good.size() - 1, &p));  // the text cut short
  good.push_back(0);
  EXPECT_FALSE(ReadMonthCalendarProps(good.data(), good.size(), &p));  // a byte left over
  EXPECT_FALSE(ReadMonthCalendarProps(nullptr, 0, &p));
}

}  // namespace
}  // namespace cal
