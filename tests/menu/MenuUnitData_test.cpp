#include "menu/core/MenuUnitData.h"

#include <gtest/gtest.h>

#include "menu/core/OsFamily.h"
#include "menu/core/SidePicture.h"
#include "runtime/core/ByteArchive.h"

namespace menu {
namespace {

std::vector<uint8_t> Block(uint32_t version, const std::vector<uint8_t>& font = {}) {
  rt::ByteWriter w;
  w.Zeros(20).Word(version).Word(3);
  for (int i = 0; i < kColorCount; ++i) w.Word(0x10 + i);
  w.CountedBytes({});
  w.CountedBytes(WriteItemIconMap({{20001, 2}, {20004, 0}}));
  w.Word(0x00C0C0C0).Word(kUnsetColor).CountedBytes(font);
  w.Word(1).Word(20000).Word(1).CountedBytes({'B', 'M'});
  return w.Take();
}

TEST(MenuUnitData, ReadsTheStoredLayout) {
  std::vector<uint8_t> b = Block(1, std::vector<uint8_t>(60, 0));
  MenuUnitData d;
  ASSERT_TRUE(ReadMenuUnitData(b.data(), b.size(), &d));
  EXPECT_EQ(d.style, 3);
  EXPECT_EQ(d.colors[kMenuBack], 0x10u);
  EXPECT_EQ(d.colors[kSeparator], 0x19u);
  EXPECT_EQ(d.itemIcons, (ItemIconMap{{20001, 2}, {20004, 0}}));
  EXPECT_EQ(d.barBackColor, 0x00C0C0C0u);
  EXPECT_EQ(d.menuFont.size(), 60u);
  ASSERT_EQ(d.sidePictures.size(), 1u);
  EXPECT_TRUE(d.sidePictures[0].stretch);
  EXPECT_EQ(d.sidePictures[0].bitmap.size(), 2u);
}

TEST(MenuUnitData, BadBlocksFailAndLeaveTheDefaults) {
  MenuUnitData d;
  std::vector<uint8_t> b = Block(2);
  EXPECT_FALSE(ReadMenuUnitData(b.data(), b.size(), &d));  // a later version
  b = Block(1, std::vector<uint8_t>(59, 0));
  EXPECT_FALSE(ReadMenuUnitData(b.data(), b.size(), &d));  // a font of the wrong size
  b = Block(1);
  for (size_t cut = 0; cut < b.size(); ++cut) EXPECT_FALSE(ReadMenuUnitData(b.data(), cut, &d)) << cut;
  b.push_back(0);
  EXPECT_FALSE(ReadMenuUnitData(b.data(), b.size(), &d));  // bytes left over
  EXPECT_EQ(d.style, 1);
  EXPECT_EQ(d.colors, PresetColors(1));
  EXPECT_FALSE(ReadMenuUnitData(nullptr, 0, &d));
}

TEST(MenuUnitData, IconMapAndIconStripHeader) {
  ItemIconMap map;
  std::vector<uint8_t> bytes = WriteItemIconMap({{20003, 7}});
  ASSERT_TRUE(ReadItemIconMap(bytes.data(), bytes.size(), &map));
  EXPECT_EQ(map.at(20003), 7);
  bytes.pop_back();
  EXPECT_FALSE(ReadItemIconMap(bytes.data(), bytes.size(), &map));
  const uint8_t huge[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
  EXPECT_FALSE(ReadItemIconMap(huge, sizeof huge, &map));  // a count the bytes cannot hold
  EXPECT_EQ(map.size(), 1u);

  IconStripHeader h;
  const uint8_t strip[10] = {16, 0, 0, 0, 15, 0, 0, 0, 'B', 'M'};
  ASSERT_TRUE(ReadIconStripHeader(strip, sizeof strip, &h));
  EXPECT_EQ(h.width, 16u);
  EXPECT_EQ(h.height, 15u);
  EXPECT_FALSE(ReadIconStripHeader(strip, 8, &h));
  const uint8_t zero[10] = {0, 0, 0, 0, 15, 0, 0, 0, 'B', 'M'};
  EXPECT_FALSE(ReadIconStripHeader(zero, sizeof zero, &h));
}

TEST(OsFamily, CodesFromTheVersionBlock) {
  EXPECT_EQ(OsCode(true, kPlatformWin32s, 3, 10), oscode::kWin32s);
  EXPECT_EQ(OsCode(true, kPlatformWindows, 4, 0), oscode::kWin95);
  EXPECT_EQ(OsCode(true, kPlatformWindows, 4, 3), oscode::kWin95);
  EXPECT_EQ(OsCode(true, kPlatformWindows, 4, 10), oscode::kWin98);
  EXPECT_EQ(OsCode(true, kPlatformWindows, 4, 90), oscode::kWinMe);
  EXPECT_EQ(OsCode(true, kPlatformNt, 4, 0), oscode::kNt4);
  EXPECT_EQ(OsCode(true, kPlatformNt, 5, 0), oscode::kWin2000);
  EXPECT_EQ(OsCode(true, kPlatformNt, 5, 1), oscode::kXp);
  EXPECT_EQ(OsCode(true, kPlatformNt, 5, 2), oscode::kServer2003);
  EXPECT_EQ(OsCode(true, kPlatformNt, 10, 0), oscode::kOtherNt);
  EXPECT_EQ(OsCode(false, 0, 0, 0), oscode::kNtUnreadable);
  EXPECT_TRUE(IsOldFamily(oscode::kWin98));
  EXPECT_FALSE(IsOldFamily(oscode::kNtUnreadable));  // unreadable means the NT family
  EXPECT_FALSE(IsOldFamily(oscode::kXp));
}

TEST(SidePicture, StretchTileAndSlice) {
  SidePicturePlan tiled = PlanSidePicture(40, 100, false);
  EXPECT_EQ(tiled.tileCount, 3);
  EXPECT_EQ(tiled.height, 120);
  // Bottoms meet: the first item (top 0) starts 20 pixels into the tiled picture.
  EXPECT_EQ(SidePictureSliceTop(120, 100, 0, false), 20);
  EXPECT_EQ(SidePictureSliceTop(120, 100, 23, false), 43);
  SidePicturePlan stretched = PlanSidePicture(40, 100, true);
  EXPECT_TRUE(stretched.stretched);
  EXPECT_EQ(stretched.height, 100);
  EXPECT_EQ(SidePictureSliceTop(100, 100, 23, true), 23);
  EXPECT_EQ(PlanSidePicture(200, 100, false).height, 200);
  EXPECT_EQ(PlanSidePicture(0, 100, false).height, 0);
  EXPECT_TRUE(SidePictureNeedsPreparing(false, false, 0, 100));
  EXPECT_FALSE(SidePictureNeedsPreparing(true, false, 120, 100));
  EXPECT_TRUE(SidePictureNeedsPreparing(true, false, 120, 150));
  EXPECT_TRUE(SidePictureNeedsPreparing(true, true, 100, 90));
  EXPECT_FALSE(SidePictureNeedsPreparing(true, true, 100, 100));
}

}  // namespace
}  // namespace menu
