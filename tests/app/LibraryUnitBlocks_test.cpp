#include "app/core/LibraryUnitBlocks.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/core/ProgramTemplates.h"
#include "runtime/core/ByteArchive.h"
#include "runtime/core/TemplateReader.h"

namespace app {
namespace {

std::vector<uint32_t> WordsAfterReserved(const std::vector<uint8_t>& block, size_t count) {
  rt::ByteArchive a(block.data(), block.size());
  EXPECT_TRUE(a.Skip(rt::kReservedPropertyBytes));
  std::vector<uint32_t> words(count);
  for (uint32_t& w : words) EXPECT_TRUE(a.ReadWord(&w));
  return words;
}

TEST(GridUnitBlock, TheNoteGridStoresItsValuesInPropertyOrder) {
  rt::TemplateSet set;
  const std::vector<uint8_t>& b = ProgramTemplateBlock();
  ASSERT_TRUE(rt::LoadWindowTemplates(b.data(), b.size(), &set));
  const std::vector<uint8_t>& block = set.Find(kMainWindowId)->FindUnit(kGridUnitId)->propertyBlock;
  ASSERT_EQ(block.size(), 20u + 29 * 4);
  const std::vector<uint32_t> expected = {
      12,                                        // data version
      0x000000,   0xFFFFFF, 0x000000, 0xFF00FF,  // LineColor, BkColor, TextColor, LightColor
      3,          1,        1,                   // LineType, IsResizeHeight, IsResizeWidth
      24,         60,       24,       7,         // RowHeight, ColWidth, RowCount, ColCount
      1,          0,        0,                   // IsEdit, HeadRowCount, HeadColCount
      1,          1,        1,                   // IsShowDiglog, CanSelection, ShowPrintButton
      0xFF000000,                                // FixedBkColor
      2,          0,        0,                   // PrintPageNo, PrintDate, EnterFunction
      1,          0,        0xC56A31,            // ProcessClickFixed, SelectRow, SelectBkColor
      1,          0,        0x000000, 1,         // SizeToWidth, LineWidth, SelectColor, ShowZeroInNumCell
  };
  EXPECT_EQ(WordsAfterReserved(block, 29), expected);
}

TEST(GridUnitBlock, OlderVersionsStopAtTheirLastValue) {
  GridUnitProps p;
  p.version = 3;  // up to CanSelection
  p.canSelection = true;
  const std::vector<uint8_t> b = WriteGridUnitBlock(p);
  ASSERT_EQ(b.size(), 20u + 4 + 16 * 4);
  EXPECT_EQ(WordsAfterReserved(b, 17).back(), 1u);
  p.version = 1;
  EXPECT_EQ(WriteGridUnitBlock(p).size(), 20u + 4 + 14 * 4);
}

TEST(OwnerMenuBlock, PresetColoursMapAndFontInStoredOrder) {
  OwnerMenuProps p;
  p.itemIcons = {{20001, 3}, {20004, 0}};
  p.sidePictures.push_back({20000, true, {0x42, 0x4D}});
  const std::vector<uint8_t> b = WriteOwnerMenuBlock(p);
  rt::ByteArchive a(b.data(), b.size());
  ASSERT_TRUE(a.Skip(rt::kReservedPropertyBytes));
  uint32_t w = 0;
  std::vector<uint32_t> head;
  for (int i = 0; i < 12; ++i) {
    a.ReadWord(&w);
    head.push_back(w);
  }
  EXPECT_EQ(head[0], 1u);          // version
  EXPECT_EQ(head[1], 1u);          // MenuStyle: preset 1
  EXPECT_EQ(head[2], 0xF7F8F9u);   // MenuBackColor RGB(249, 248, 247)
  EXPECT_EQ(head[11], 0xCB8C6Au);  // SeparatorColor RGB(106, 140, 203)
  std::vector<uint8_t> icons, map, font, picture;
  ASSERT_TRUE(a.ReadCountedBytes(&icons));
  EXPECT_TRUE(icons.empty());
  ASSERT_TRUE(a.ReadCountedBytes(&map));
  EXPECT_EQ(map.size(), 4u + 2 * 8);
  a.ReadWord(&w);
  EXPECT_EQ(w, 0xFF000000u);  // BarBackColor: the system's
  a.ReadWord(&w);
  EXPECT_EQ(w, 0xFF000000u);  // key colour: magenta
  ASSERT_TRUE(a.ReadCountedBytes(&font));
  EXPECT_TRUE(font.empty());  // the system menu font
  a.ReadWord(&w);
  EXPECT_EQ(w, 1u);
  uint32_t item = 0, stretch = 0;
  a.ReadWord(&item);
  a.ReadWord(&stretch);
  ASSERT_TRUE(a.ReadCountedBytes(&picture));
  EXPECT_EQ(item, 20000u);
  EXPECT_EQ(stretch, 1u);
  EXPECT_EQ(picture.size(), 2u);
  EXPECT_TRUE(a.AtEnd());
}

TEST(MonthCalendarBlock, DateLayoutBandAndPattern) {
  MonthCalendarProps p;
  p.selectedDate = 40909.5;  // 1 January 2012, noon
  p.gregorianLayout = false;
  p.pattern = "%Y年";
  const std::vector<uint8_t> b = WriteMonthCalendarBlock(p);
  const std::vector<uint32_t> w = WordsAfterReserved(b, 6);
  EXPECT_EQ(w[0], 1u);
  uint64_t bits = uint64_t(w[1]) | uint64_t(w[2]) << 32;
  double date;
  std::memcpy(&date, &bits, 8);
  EXPECT_EQ(date, 40909.5);
  EXPECT_EQ(w[3], 0u);  // lunar layout
  EXPECT_EQ(w[4], 1u);  // band shown
  EXPECT_EQ(w[5], p.pattern.size());
  EXPECT_EQ(b.size(), 20u + 6 * 4 + p.pattern.size());

  // The program's calendar starts on today, Gregorian, with the band and default pattern.
  const std::vector<uint32_t> d = WordsAfterReserved(WriteMonthCalendarBlock({}), 6);
  EXPECT_EQ(d, (std::vector<uint32_t>{1, 0, 0, 1, 1, 0}));
}

}  // namespace
}  // namespace app
