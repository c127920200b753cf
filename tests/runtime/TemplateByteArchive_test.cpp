#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/core/ByteArchive.h"

namespace rt {
namespace {

// Values placed so that they straddle the first and second buffer refills.
TEST(ByteArchive, ReadsValuesThatStraddleTheBuffer) {
  ByteWriter w;
  w.Zeros(ByteArchive::kBufferSize - 2).Word(0x11223344);  // straddles 4096
  const std::string longText(2 * ByteArchive::kBufferSize + 5, 'x');
  w.ZeroText(longText).CountedText(longText).Half(0xBEEF);
  const std::vector<uint8_t> bytes = w.Take();

  ByteArchive a(bytes.data(), bytes.size());
  ASSERT_TRUE(a.Skip(ByteArchive::kBufferSize - 2));
  uint32_t word = 0;
  ASSERT_TRUE(a.ReadWord(&word));
  EXPECT_EQ(word, 0x11223344u);
  std::string text;
  ASSERT_TRUE(a.ReadZeroText(&text));
  EXPECT_EQ(text, longText);
  ASSERT_TRUE(a.ReadCountedText(&text));
  EXPECT_EQ(text, longText);
  uint16_t half = 0;
  ASSERT_TRUE(a.ReadHalf(&half));
  EXPECT_EQ(half, 0xBEEF);
  EXPECT_TRUE(a.AtEnd());
  EXPECT_EQ(a.Position(), bytes.size());
}

TEST(ByteArchive, AFailedReadFailsForGood) {
  const uint8_t bytes[] = {1, 0, 0, 0, 2, 0};
  ByteArchive a(bytes, sizeof bytes);
  uint32_t word = 0;
  ASSERT_TRUE(a.ReadWord(&word));
  EXPECT_FALSE(a.ReadWord(&word));  // two bytes left
  EXPECT_FALSE(a.Ok());
  uint16_t half = 0;
  EXPECT_FALSE(a.ReadHalf(&half)) << "even though two bytes would do";
  EXPECT_EQ(a.Position(), 4u) << "a refused read consumes nothing";
}

TEST(ByteArchive, CountsBeyondTheEndAreRefusedBeforeAllocating) {
  ByteWriter w;
  w.Word(0xFFFFFFF0).Bytes("abc", 3);
  const std::vector<uint8_t> bytes = w.Take();
  {
    ByteArchive a(bytes.data(), bytes.size());
    std::string text;
    EXPECT_FALSE(a.ReadCountedText(&text));
    EXPECT_LT(text.capacity(), 1000u);
  }
  {
    ByteArchive a(bytes.data(), bytes.size());
    std::vector<uint8_t> block;
    EXPECT_FALSE(a.ReadCountedBytes(&block));
    EXPECT_LT(block.capacity(), 1000u);
  }
  {
    ByteArchive a(bytes.data(), bytes.size());
    std::vector<uint8_t> block;
    EXPECT_FALSE(a.ReadByteVector(8, &block));
  }
}

TEST(ByteArchive, ZeroTextsNeedTheirTerminator) {
  const uint8_t terminated[] = {'a', 'b', 0, 0};
  ByteArchive a(terminated, sizeof terminated);
  std::string text;
  ASSERT_TRUE(a.ReadZeroText(&text));
  EXPECT_EQ(text, "ab");
  ASSERT_TRUE(a.ReadZeroText(&text));
  EXPECT_EQ(text, "");
  EXPECT_FALSE(a.ReadZeroText(&text));  // nothing left at all

  const uint8_t open[] = {'a', 'b'};
  ByteArchive b(open, sizeof open);
  EXPECT_FALSE(b.ReadZeroText(&text));

  ByteArchive none(nullptr, 100);  // no data is an empty stream, whatever the length
  EXPECT_TRUE(none.AtEnd());
  EXPECT_FALSE(none.Skip(1));
}

}  // namespace
}  // namespace rt
