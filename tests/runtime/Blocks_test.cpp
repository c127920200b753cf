#include "runtime/core/Blocks.h"

#include <gtest/gtest.h>

#include <cstring>

#include "runtime/core/DataValue.h"
#include "tests/runtime/ThrowingReporter.h"

namespace rt {
namespace {

TEST(DataValue, PointersSpanBothWordsAndRoundTrip) {
  static const char text[] = "abc";
  DataValue v = MakeTextPointer(text);
  EXPECT_EQ(v.type, tag::kText);
  EXPECT_EQ(PointerOf(v), text);
  if (sizeof(void*) == 4) {
    EXPECT_EQ(v.high, 0u);
  }
  EXPECT_STREQ(TextOf(MakeTextPointer(nullptr)), "");
}

TEST(DataValue, DoublesAndLongsUseLowThenHigh) {
  DataValue d = MakeDouble(1.5);
  EXPECT_EQ(d.low, 0u);
  EXPECT_EQ(d.high, 0x3FF80000u);
  EXPECT_EQ(DoubleOf(d), 1.5);
  DataValue l = MakeLong(-2);
  EXPECT_EQ(l.low, 0xFFFFFFFEu);
  EXPECT_EQ(l.high, 0xFFFFFFFFu);
  EXPECT_TRUE(tag::IsNumeric(tag::kByte));
  EXPECT_TRUE(tag::IsNumeric(tag::kDouble));
  EXPECT_FALSE(tag::IsNumeric(tag::kLogic));
  EXPECT_FALSE(tag::IsNumeric(tag::kUnsigned32));
}

TEST(Blocks, SharedEmptiesAreConstantAndNeverFreed) {
  const char* empty = SharedEmptyText();
  EXPECT_EQ(*empty, 0);
  EXPECT_EQ(static_cast<const void*>(empty + 1), SharedEmptyByteSet());
  size_t n = 99;
  ByteSetData(SharedEmptyByteSet(), &n);
  EXPECT_EQ(n, 0u);
  FreeBlock(const_cast<char*>(empty));  // must do nothing
  FreeBlock(const_cast<void*>(SharedEmptyByteSet()));
  FreeBlock(nullptr);
  EXPECT_EQ(*SharedEmptyText(), 0);
}

TEST(Blocks, ReallocateOfConstantGivesFreshCopyBoundedByRangeEnd) {
  char* fresh = static_cast<char*>(ReallocateBlock(const_cast<char*>(SharedEmptyText()), 32));
  EXPECT_NE(fresh, SharedEmptyText());
  EXPECT_EQ(fresh[0], 0);
  fresh[31] = 'x';  // the whole requested size is usable
  FreeBlock(fresh);

  static const char table[4] = {'a', 'b', 'c', 'd'};
  AddConstantRange(table, sizeof table);
  char* copy = static_cast<char*>(ReallocateBlock(const_cast<char*>(table + 2), 8));
  EXPECT_EQ(copy[0], 'c');
  EXPECT_EQ(copy[1], 'd');
  FreeBlock(copy);
}

TEST(Blocks, NullReallocateAllocatesAndTextsTerminate) {
  void* p = ReallocateBlock(nullptr, 5);
  ASSERT_NE(p, nullptr);
  FreeBlock(p);
  char* t = NewText("ab\0cd", 5);
  EXPECT_EQ(std::memcmp(t, "ab\0cd\0", 6), 0);
  FreeBlock(t);
  void* set = NewByteSet("xyz", 3);
  size_t n = 0;
  const uint8_t* bytes = ByteSetData(set, &n);
  ASSERT_EQ(n, 3u);
  EXPECT_EQ(std::memcmp(bytes, "xyz", 3), 0);
  FreeBlock(set);
}

TEST(Blocks, HugeAllocationReportsTheSize) {
  ThrowingReporter reporter;
  try {
    AllocateBlock(size_t(-1) / 2);
    FAIL() << "allocation should fail";
  } catch (const RuntimeErrorRaised& e) {
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.message.rfind("分配 ", 0), 0u);
    EXPECT_NE(e.message.find(" 字节内存失败!"), std::string::npos);
  }
}

}  // namespace
}  // namespace rt
