#include "runtime/core/PropertyValues.h"

#include <gtest/gtest.h>

#include <cstring>

#include "runtime/core/Blocks.h"

namespace rt {
namespace {

TEST(PropertyValues, WrittenWordsAreReadByKind) {
  EXPECT_EQ(PropertyFromWords(propkind::kInteger, uint32_t(-3), 9).value.low, uint32_t(-3));
  EXPECT_EQ(PropertyFromWords(propkind::kInteger, 1, 9).value.high, 0u);
  EXPECT_EQ(PropertyFromWords(propkind::kChoice, uint32_t(-3), 0).value.low, 0u);  // negative choice: 0
  EXPECT_EQ(PropertyFromWords(propkind::kChoice, 4, 0).value.low, 4u);
  DataValue logic = PropertyFromWords(propkind::kLogic, 0x100, 0).value;
  EXPECT_EQ(logic.type, tag::kLogic);
  EXPECT_EQ(logic.low, 1u);
  DataValue date = PropertyFromWords(propkind::kDateTime, 0x11111111, 0x40E00000).value;
  EXPECT_EQ(date.type, tag::kDateTime);
  EXPECT_EQ(Bits64(date), 0x40E0000011111111ull);
  DataValue text = PropertyFromWords(propkind::kText, 0, 0).value;  // null: the empty text
  EXPECT_EQ(text.type, tag::kText);
  EXPECT_STREQ(TextOf(text), "");
  EXPECT_NE(PointerOf(text), nullptr);
}

TEST(PropertyValues, FontFaceThatDoesNotEndBecomesTheDefaultFace) {
  uint8_t record[kFontRecordSize] = {};
  record[0] = 0xF2;                                           // height -14
  std::memset(record + kFontFaceOffset, 'A', kFontFaceSize);  // no terminator within 32 bytes
  DataValue in;
  SetPointer(in, record);
  WrittenProperty w = PropertyFromWords(propkind::kFont, in.low, in.high);
  const uint8_t* out = static_cast<const uint8_t*>(PointerOf(w.value));
  ASSERT_EQ(out, w.fontCopy.data());
  EXPECT_EQ(out[0], 0xF2);
  EXPECT_STREQ(reinterpret_cast<const char*>(out + kFontFaceOffset), "宋体");
  EXPECT_EQ(record[kFontFaceOffset], 'A');  // the caller's record is left alone

  std::memcpy(record + kFontFaceOffset, "Arial", 6);
  w = PropertyFromWords(propkind::kFont, in.low, in.high);
  EXPECT_STREQ(reinterpret_cast<const char*>(w.fontCopy.data() + kFontFaceOffset), "Arial");
}

TEST(PropertyValues, ReadValuesBecomeWordsOfTheirKind) {
  EXPECT_EQ(PropertyToWords(propkind::kInteger, MakeDouble(-7.9)), uint32_t(-7));
  EXPECT_EQ(PropertyToWords(propkind::kInteger, MakeLogic(true)), 1u);
  EXPECT_EQ(PropertyToWords(propkind::kLogic, MakeInt(5)), 1u);
  EXPECT_EQ(PropertyToWords(propkind::kLogic, MakeInt(0)), 0u);
  EXPECT_EQ(PropertyToWords(propkind::kDateTime, MakeDateTime(2.5)), Bits64(MakeDateTime(2.5)));
  // A text property whose unit gave no text reads as a new empty text.
  uint64_t words = PropertyToWords(propkind::kText, DataValue{});
  DataValue t{uint32_t(words), uint32_t(words >> 32), tag::kText};
  ASSERT_NE(PointerOf(t), nullptr);
  EXPECT_STREQ(TextOf(t), "");
  FreeBlock(PointerOf(t));
}

}  // namespace
}  // namespace rt
