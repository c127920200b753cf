// The list, date and picture editors, and painting: a picture chosen through the
// button survives a grid file and is drawn; check bitmaps and focus frames are drawn.
#include <cstring>
#include <fstream>

#include "GridWinTestSupport.h"
#include "grid/core/GridFile.h"
#include "grid/core/PictureService.h"
#include "runtime/win/Pictures.h"

namespace gridwin_test {
namespace {

using Editors = GridWinTest;

// Bitmaps as the program's picture service makes them: platform bitmaps from picture
// bytes, and bitmap files back.
class PlatformPictures : public grid::PictureService {
 public:
  grid::Bitmap FromBytes(const uint8_t* bytes, size_t length) override {
    return reinterpret_cast<grid::Bitmap>(rt::win::BitmapFromPictureBytes(bytes, length));
  }
  bool ToBytes(grid::Bitmap bitmap, std::vector<uint8_t>* bytes) override {
    HGLOBAL block = rt::win::PictureBytesFromBitmap(reinterpret_cast<HBITMAP>(bitmap));
    if (!block) return false;
    auto* p = static_cast<const uint8_t*>(GlobalLock(block));
    bytes->assign(p, p + GlobalSize(block));
    GlobalUnlock(block);
    GlobalFree(block);
    return true;
  }
  void Destroy(grid::Bitmap bitmap) override { DeleteObject(reinterpret_cast<HBITMAP>(bitmap)); }
};

// A 24-bit bitmap file of one colour.
std::vector<uint8_t> SolidBmp(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
  int rowBytes = (w * 3 + 3) & ~3;
  std::vector<uint8_t> f(54 + size_t(rowBytes) * h, 0);
  auto put32 = [&](size_t at, uint32_t v) { memcpy(&f[at], &v, 4); };
  f[0] = 'B';
  f[1] = 'M';
  put32(2, uint32_t(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(w));
  put32(22, uint32_t(h));
  f[26] = 1;
  f[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      size_t at = 54 + size_t(y) * rowBytes + size_t(x) * 3;
      f[at] = b;
      f[at + 1] = g;
      f[at + 2] = r;
    }
  return f;
}

std::string TempPath(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

COLORREF PixelOf(grid::win::CGridCtrl& g, int x, int y) {
  HDC screen = GetDC(g.Hwnd());
  RECT client;
  GetClientRect(g.Hwnd(), &client);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(mem, bitmap);
  g.PaintTo(mem, client);
  COLORREF c = GetPixel(mem, x, y);
  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
  ReleaseDC(g.Hwnd(), screen);
  return c;
}

TEST_F(Editors, PictureFromTheButtonIsSavedLoadedAndDrawn) {
  PlatformPictures service;
  grid::ScopedPictureService installed(&service);
  std::string picture = TempPath("grid_test_red.bmp");
  std::vector<uint8_t> bmp = SolidBmp(8, 8, 255, 0, 0);
  std::ofstream(picture, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), long(bmp.size()));
  std::string offered;
  auto previous = grid::win::SetPictureFileChooser([&](HWND, const std::string& filter, std::string* path) {
    offered = filter;
    *path = picture;
    return true;
  });
  M().SetColumnKind(2, 6);  // picture, top-left mode
  Focus(1, 2);
  Key(VK_F2);
  ASSERT_TRUE(grid->IsEditing());
  Key(VK_RETURN);  // opens the (hooked) file dialog, loads, closes
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_NE(offered.find("|鼠标指针(*.CUR)|*.cur||"), std::string::npos);
  RECT r = grid->CellRect(1, 2);
  int margin = MulDiv(9, 96, 254);
  BITMAP info{};
  GetObjectW(reinterpret_cast<HBITMAP>(M().Cell(1, 2)->GetBitmap()), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(PixelOf(*grid, r.left + margin + 2, r.top + margin + 2), RGB(255, 0, 0));
  EXPECT_NE(M().Cell(1, 2)->GetBitmap(), 0u);
  EXPECT_EQ(sink.Joined(), "7 1 2");

  std::string file = TempPath("grid_test_picture.qgd");
  ASSERT_TRUE(grid::SaveGridFile(M(), file));
  M().SetCellBitmap(1, 2, 0);
  ASSERT_TRUE(grid::LoadGridFile(M(), file));
  ASSERT_NE(M().Cell(1, 2)->GetBitmap(), 0u);
  EXPECT_EQ(PixelOf(*grid, r.left + margin + 2, r.top + margin + 2), RGB(255, 0, 0));

  // A file that does not decode leaves the cell as it was.
  std::string junk = TempPath("grid_test_junk.bmp");
  std::ofstream(junk, std::ios::binary) << "not a picture";
  picture = junk;
  grid::Bitmap before = M().Cell(1, 2)->GetBitmap();
  Focus(1, 2);
  Key(VK_F2);
  Key(VK_SPACE);
  EXPECT_EQ(M().Cell(1, 2)->GetBitmap(), before);
  grid::win::SetPictureFileChooser(previous);
  M().SetCellBitmap(1, 2, 0);
  DeleteFileA(picture.c_str());
  DeleteFileA(file.c_str());
}

TEST_F(Editors, ListPickRaisesSixOncePerItem) {
  M().SetColumnKind(3, 4);  // list
  M().AddColumnListItem(3, "平方米");
  M().AddColumnListItem(3, "套");
  Focus(2, 3);
  Key(VK_F2);
  HWND combo = grid->EditorHwnd();
  ASSERT_TRUE(combo);
  for (int pick : {1, 1, 0}) {
    SendMessageW(combo, CB_SETCURSEL, pick, 0);
    SendMessageW(grid->Hwnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), LPARAM(combo));
  }
  EXPECT_EQ(sink.Joined(), "7 1 6:2,3,套 6:2,3,平方米");
  Key(VK_RETURN);
  EXPECT_EQ(M().CellText(2, 3), "平方米");
}

TEST_F(Editors, DatePickerReportsTypedCharactersAndStoresItsDate) {
  M().SetColumnKind(4, 3);  // date
  M().SetCellText(1, 4, "2024-03-05");
  Focus(1, 4);
  Key(VK_F2);
  ASSERT_TRUE(grid->IsEditing());
  RECT r;
  GetWindowRect(grid->EditorHwnd(), &r);
  EXPECT_EQ(r.bottom - r.top, 22);
  Char(L'7');
  Key(VK_RETURN);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(sink.log[2], "-11:55");
  EXPECT_EQ(sink.log.back(), "2");
  EXPECT_EQ(M().CellText(1, 4).size(), 10u);
  EXPECT_EQ(M().CellText(1, 4).substr(0, 4), "2024");
}

TEST_F(Editors, PaintingDrawsFocusFramesChecksAndCutLinesInsideMergedBlocks) {
  M().Settings().lightColor = RGB(255, 0, 0);
  M().Settings().lineColor = RGB(0, 0, 255);
  M().SetColumnKind(1, 5);
  M().SetCellCheck(2, 1, 1);
  M().MergeCells(3, 2, 4, 3);
  Focus(1, 2);
  RECT f = grid->CellRect(1, 2);
  EXPECT_EQ(PixelOf(*grid, f.left - 2, (f.top + f.bottom) / 2), RGB(255, 0, 0));  // frame left of the fill
  RECT c = grid->CellRect(2, 1);
  // The checked bitmap: a black tick in a white box, centred.
  bool black = false;
  for (int x = c.left; x < c.right; ++x)
    for (int y = c.top; y < c.bottom; ++y) black |= PixelOf(*grid, x, y) == RGB(0, 0, 0);
  EXPECT_TRUE(black);
  RECT m = grid->CellRect(3, 2);
  int innerX = grid->CellRect(3, 3).left - 1;  // the line between the block's columns
  EXPECT_NE(PixelOf(*grid, innerX, (m.top + m.bottom) / 2), RGB(0, 0, 255));
  EXPECT_EQ(PixelOf(*grid, innerX, grid->CellRect(5, 2).top + 5), RGB(0, 0, 255));  // below it: drawn
}

}  // namespace
}  // namespace gridwin_test
