#include "runtime/core/IconDirectory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace rt {
namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) { std::memcpy(b.data() + at, &v, 2); }
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) { std::memcpy(b.data() + at, &v, 4); }

// An icon file with images of the given sizes and colour depths, 40 bytes of image each.
std::vector<uint8_t> IconFile(std::vector<std::pair<int, int>> images, uint16_t type = 1) {
  size_t n = images.size();
  std::vector<uint8_t> b(6 + 16 * n + 40 * n, 0);
  Put16(b, 2, type);
  Put16(b, 4, uint16_t(n));
  for (size_t i = 0; i < n; ++i) {
    size_t e = 6 + 16 * i;
    b[e] = uint8_t(images[i].first);
    b[e + 1] = uint8_t(images[i].first);
    Put16(b, e + 4, 3);
    Put16(b, e + 6, uint16_t(images[i].second));
    Put32(b, e + 8, 40);
    Put32(b, e + 12, uint32_t(6 + 16 * n + 40 * i));
  }
  return b;
}

TEST(IconDirectory, ReadsEntriesAndPicksTheClosestSize) {
  std::vector<uint8_t> file = IconFile({{32, 4}, {16, 4}, {16, 8}, {48, 32}});
  IconDirectory dir;
  ASSERT_TRUE(ReadIconDirectory(file.data(), file.size(), &dir));
  ASSERT_EQ(dir.images.size(), 4u);
  EXPECT_FALSE(dir.isCursor);
  EXPECT_EQ(dir.images[3].width, 48);
  EXPECT_EQ(dir.images[3].offset, 6u + 64 + 120);
  EXPECT_EQ(BestIconImage(dir, 32), 0);
  EXPECT_EQ(BestIconImage(dir, 16), 2);  // more colours among equal sizes
  EXPECT_EQ(BestIconImage(dir, 24), 0);  // the smallest larger one
  EXPECT_EQ(BestIconImage(dir, 64), 3);  // else the largest smaller one
  EXPECT_EQ(BestIconImage(IconDirectory{}, 16), -1);
}

TEST(IconDirectory, CursorsKeepTheirHotSpot) {
  std::vector<uint8_t> file = IconFile({{32, 0}}, 2);
  Put16(file, 6 + 4, 5);
  Put16(file, 6 + 6, 7);
  IconDirectory dir;
  ASSERT_TRUE(ReadIconDirectory(file.data(), file.size(), &dir));
  EXPECT_TRUE(dir.isCursor);
  EXPECT_EQ(dir.images[0].hotspotX, 5);
  EXPECT_EQ(dir.images[0].hotspotY, 7);
}

TEST(IconDirectory, BrokenFilesYieldOnlySoundImages) {
  IconDirectory dir;
  EXPECT_FALSE(ReadIconDirectory(nullptr, 0, &dir));
  std::vector<uint8_t> file = IconFile({{32, 4}, {16, 4}});
  EXPECT_FALSE(ReadIconDirectory(file.data(), 5, &dir));
  std::vector<uint8_t> bad = file;
  Put16(bad, 2, 3);  // neither icon nor cursor
  EXPECT_FALSE(ReadIconDirectory(bad.data(), bad.size(), &dir));
  bad = file;
  Put32(bad, 6 + 12, 0xFFFFFFF0);  // first image points past the end
  ASSERT_TRUE(ReadIconDirectory(bad.data(), bad.size(), &dir));
  EXPECT_EQ(dir.images.size(), 1u);
  bad = file;
  Put32(bad, 6 + 16 + 8, 0xFFFFFFFF);  // second image's size runs past the end
  Put16(bad, 4, 40);                   // and the count claims more entries than there are
  ASSERT_TRUE(ReadIconDirectory(bad.data(), bad.size(), &dir));
  EXPECT_EQ(dir.images.size(), 1u);
  // The truncated file keeps the entries that still fit.
  EXPECT_FALSE(ReadIconDirectory(file.data(), file.size() - 1, &dir) && dir.images.size() == 2);
}

}  // namespace
}  // namespace rt
