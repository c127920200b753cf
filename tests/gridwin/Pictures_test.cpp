// The host's picture service (callbacks 1003 and 2034) as the grid uses it: every
// accepted format decodes, bitmaps come back as bitmap files, and a picture cell keeps
// its picture through a grid file saved and loaded again.
#include "runtime/win/Pictures.h"

#include <gtest/gtest.h>

#include "grid/core/PictureService.h"
#include "runtime/core/Blocks.h"
#include "runtime/win/Gbk.h"
#include "tests/gridwin/GridUnitTestSupport.h"
#include "tests/gridwin/PicturesSamples.h"

namespace gridunit_test {
namespace {

namespace ps = picture_samples;

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectW(bitmap, sizeof bm, &bm)) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

// The colour at (x, y) as 0x00RRGGBB.
uint32_t PixelOf(HBITMAP bitmap, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
  return true;
}

HBITMAP Decode(const std::vector<uint8_t>& bytes) {
  return rt::win::BitmapFromPictureBytes(bytes.data(), bytes.size());
}

TEST(Pictures, EveryAcceptedFormatDecodes) {
  struct Sample {
    const char* name;
    std::vector<uint8_t> bytes;
    SIZE size;
  };
  const Sample samples[] = {
      {"bmp", ps::BitmapFile(5, 3, 0x3060C0), {5, 3}},
      {"jpeg", {std::begin(ps::kJpeg6x4), std::end(ps::kJpeg6x4)}, {6, 4}},
      {"gif", {std::begin(ps::kGif6x4), std::end(ps::kGif6x4)}, {6, 4}},
      {"ico", ps::IconFile(0x3060C0, false), {16, 16}},
      {"cur", ps::IconFile(0x3060C0, true), {16, 16}},
  };
  for (const Sample& s : samples) {
    HBITMAP b = Decode(s.bytes);
    ASSERT_NE(b, nullptr) << s.name;
    EXPECT_EQ(SizeOf(b).cx, s.size.cx) << s.name;
    EXPECT_EQ(SizeOf(b).cy, s.size.cy) << s.name;
    EXPECT_TRUE(Near(PixelOf(b, 1, 1), 0x3060C0, 24)) << s.name << " " << std::hex << PixelOf(b, 1, 1);
    DeleteObject(b);
  }
  std::vector<uint8_t> junk = {'B', 'M', 1, 2, 3, 4, 5, 6, 7};
  EXPECT_EQ(Decode(junk), nullptr);
  std::vector<uint8_t> cut(std::begin(ps::kJpeg6x4), std::begin(ps::kJpeg6x4) + 20);
  HBITMAP partial = Decode(cut);
  if (partial) DeleteObject(partial);  // a decoder may show what it has; it must not crash
  EXPECT_EQ(Decode({}), nullptr);
}

TEST(Pictures, BitmapsComeBackAsBitmapFiles) {
  HBITMAP b = Decode(ps::BitmapFile(7, 2, 0x10E020));
  ASSERT_NE(b, nullptr);
  HGLOBAL memory = rt::win::PictureBytesFromBitmap(b);
  ASSERT_NE(memory, nullptr);
  const uint8_t* p = static_cast<const uint8_t*>(GlobalLock(memory));
  std::vector<uint8_t> file(p, p + GlobalSize(memory));
  GlobalUnlock(memory);
  GlobalFree(memory);
  ASSERT_GE(file.size(), 54u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  HBITMAP again = Decode(file);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(SizeOf(again).cx, 7);
  EXPECT_EQ(SizeOf(again).cy, 2);
  EXPECT_TRUE(Near(PixelOf(again, 6, 1), 0x10E020, 0));
  DeleteObject(again);
  DeleteObject(b);
  EXPECT_EQ(rt::win::PictureBytesFromBitmap(nullptr), nullptr);
}

std::string TempPath(const char* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return rt::win::WideToGbk(std::wstring(dir)) + name;
}

TEST(Pictures, APictureCellSurvivesAGridFile) {
  GridProgram g;
  ASSERT_TRUE(grid::CurrentPictureService());  // installed when the library started
  ASSERT_EQ(g.Command(command::kSetColumnKind, {rt::MakeInt(2), rt::MakeInt(6)}).low, 1u);
  std::vector<uint8_t> jpeg(std::begin(ps::kJpeg6x4), std::end(ps::kJpeg6x4));
  rt::DataValue bytes{0, 0, rt::tag::kByteSet};
  rt::SetPointer(bytes, rt::NewByteSet(jpeg.data(), jpeg.size()));
  EXPECT_EQ(g.Command(command::kSetCellData, {rt::MakeInt(1), rt::MakeInt(2), rt::MakeInt(6), bytes}).low,
            1u);
  rt::FreeBlock(rt::PointerOf(bytes));
  ASSERT_NE(g.Model().Cell(1, 2)->GetBitmap(), 0u);

  // A file that does not decode leaves the cell as it was.
  std::string junkPath = TempPath("gridunit-junk.jpg");
  FILE* f = _wfopen(rt::win::GbkToWide(junkPath).c_str(), L"wb");
  ASSERT_NE(f, nullptr);
  fputs("not a picture", f);
  fclose(f);
  grid::Bitmap before = g.Model().Cell(1, 2)->GetBitmap();
  EXPECT_EQ(g.Command(command::kSetCellData,
                      {rt::MakeInt(1), rt::MakeInt(2), rt::MakeInt(6), host_test::Text(junkPath.c_str())})
                .low,
            0u);
  EXPECT_EQ(g.Model().Cell(1, 2)->GetBitmap(), before);

  std::string path = TempPath("gridunit-picture.qgd");
  EXPECT_EQ(g.Command(command::kSaveFile, {host_test::Text(path.c_str())}).low, 1u);
  g.Model().SetCellBitmap(1, 2, 0);
  g.Model().SetRowCount(1);
  EXPECT_EQ(g.Command(command::kLoadFile, {host_test::Text(path.c_str())}).low, 1u);
  HBITMAP loaded = reinterpret_cast<HBITMAP>(g.Model().Cell(1, 2)->GetBitmap());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(SizeOf(loaded).cx, 6);
  EXPECT_EQ(SizeOf(loaded).cy, 4);
  EXPECT_TRUE(Near(PixelOf(loaded, 2, 2), 0x3060C0, 24));

  // GetCellData hands out the same bytes again.
  rt::DataValue out = g.Command(command::kGetCellData, {rt::MakeInt(1), rt::MakeInt(2)});
  size_t n = 0;
  const uint8_t* data = rt::ByteSetData(rt::PointerOf(out), &n);
  ASSERT_GT(n, 54u);
  EXPECT_EQ(data[0], 'B');
  rt::FreeBlock(rt::PointerOf(out));
  DeleteFileW(rt::win::GbkToWide(path).c_str());
  DeleteFileW(rt::win::GbkToWide(junkPath).c_str());
}

}  // namespace
}  // namespace gridunit_test
