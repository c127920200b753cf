#include "app/core/ProgramIcons.h"

#include <gtest/gtest.h>

#include "runtime/core/ByteArchive.h"

namespace app {
namespace {

struct Entry {
  int width, height, colours, bitCount;
  uint32_t size, offset;
};

// Reads the icon directory and checks that every image lies inside the file, one after
// the other, each with a bitmap header of the entry's size and twice its height.
std::vector<Entry> CheckedEntries(const std::vector<uint8_t>& ico) {
  rt::ByteArchive a(ico.data(), ico.size());
  uint16_t reserved = 1, type = 0, count = 0;
  a.ReadHalf(&reserved);
  a.ReadHalf(&type);
  a.ReadHalf(&count);
  EXPECT_EQ(reserved, 0);
  EXPECT_EQ(type, 1);
  std::vector<Entry> entries;
  uint32_t expectedOffset = 6 + 16u * count;
  for (int i = 0; i < count; ++i) {
    uint8_t head[4] = {};
    uint16_t planes = 0, bits = 0;
    uint32_t size = 0, offset = 0;
    a.ReadBytes(head, 4);
    a.ReadHalf(&planes);
    a.ReadHalf(&bits);
    a.ReadWord(&size);
    a.ReadWord(&offset);
    EXPECT_EQ(planes, 1);
    EXPECT_EQ(offset, expectedOffset);
    expectedOffset += size;
    entries.push_back({head[0], head[1], head[2], bits, size, offset});
  }
  EXPECT_TRUE(a.Ok());
  EXPECT_EQ(expectedOffset, ico.size());
  for (const Entry& e : entries) {
    rt::ByteArchive image(ico.data() + e.offset, e.size);
    uint32_t headerSize = 0;
    int32_t width = 0, height = 0;
    uint16_t planes = 0, bits = 0;
    image.ReadWord(&headerSize);
    image.ReadInt(&width);
    image.ReadInt(&height);
    image.ReadHalf(&planes);
    image.ReadHalf(&bits);
    EXPECT_EQ(headerSize, 40u);
    EXPECT_EQ(width, e.width);
    EXPECT_EQ(height, 2 * e.height);
    EXPECT_EQ(bits, e.bitCount);
    // Header, palette, colour rows and mask rows, each row padded to four bytes.
    const uint32_t colourRow = (e.width * e.bitCount + 31) / 32 * 4, maskRow = (e.width + 31) / 32 * 4;
    EXPECT_EQ(e.size, 40 + 4 * (1u << e.bitCount) + (colourRow + maskRow) * e.height);
  }
  return entries;
}

TEST(ProgramIcons, SheetIconHasTwoSixteenColourImages) {
  const std::vector<Entry> e = CheckedEntries(SheetIcon());
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].width, 32);
  EXPECT_EQ(e[1].width, 16);
  for (const Entry& x : e) {
    EXPECT_EQ(x.bitCount, 4);
    EXPECT_EQ(x.colours, 16);
  }
}

TEST(ProgramIcons, AboutIconHasTwo256ColourImages) {
  const std::vector<Entry> e = CheckedEntries(AboutIcon());
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].width, 16);
  EXPECT_EQ(e[1].width, 24);
  for (const Entry& x : e) {
    EXPECT_EQ(x.bitCount, 8);
    EXPECT_EQ(x.colours, 0);  // 0 stands for 256 in the directory
  }
}

TEST(ProgramIcons, CornersAreTransparentAndTheMiddleIsNot) {
  // The 16 x 16 sheet: mask rows of 4 bytes, bottom row first, after the colour rows.
  const std::vector<uint8_t>& ico = SheetIcon();
  const std::vector<Entry> e = CheckedEntries(ico);
  const uint32_t mask = e[1].offset + 40 + 64 + 8 * 16;
  auto transparent = [&](int x, int y) { return (ico[mask + (15 - y) * 4 + x / 8] >> (7 - x % 8)) & 1; };
  EXPECT_TRUE(transparent(0, 0));
  EXPECT_TRUE(transparent(15, 15));
  EXPECT_FALSE(transparent(8, 8));
}

}  // namespace
}  // namespace app
