// Printed cells by column kind on the real PDF printer: a picture column's bitmap, a
// diagonal and a date in the column's format, read back as text and as pixels.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "grid/core/GridModel.h"
#include "tests/printwin/PrintTestSupport.h"
#include "tests/win/HostTestSupport.h"

namespace {

using namespace print_test;
using grid::GridModel;

// The page rendered at 72 dpi in grey: one byte per PDF point.
struct GreyPage {
  int width = 0, height = 0;
  std::string pixels;
  int At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 255;
    return static_cast<unsigned char>(pixels[size_t(y) * size_t(width) + size_t(x)]);
  }
  // Is any pixel within `reach` of (x, y) inked (the grid's grey lines included)?
  bool InkNear(double x, double y, int reach) const {
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (At(int(x) + dx, int(y) + dy) < 224) return true;
    return false;
  }
};

GreyPage RenderPage(const std::string& pdf) {
  GreyPage page;
  std::string pgm = Shell("pdftoppm -f 1 -l 1 -r 72 -gray '" + pdf + "'");
  // "P5\n<w> <h>\n255\n" then the bytes.
  if (pgm.compare(0, 2, "P5") != 0) return page;
  const char* p = pgm.c_str() + 2;
  char* end = nullptr;
  page.width = int(strtol(p, &end, 10));
  page.height = int(strtol(end, &end, 10));
  strtol(end, &end, 10);
  size_t start = size_t(end - pgm.c_str()) + 1;
  page.pixels = pgm.substr(start);
  if (page.pixels.size() < size_t(page.width) * size_t(page.height)) page.width = page.height = 0;
  return page;
}

struct WordBox {
  double xMin = -1, yMin = -1, xMax = -1, yMax = -1;
};

// The box of the first word equal to `word` on page 1, in PDF points.
WordBox FindWord(const std::string& pdf, const std::string& word) {
  std::string html = Shell("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -");
  WordBox box;
  for (size_t p = html.find("<word "); p != std::string::npos; p = html.find("<word ", p + 1)) {
    size_t start = html.find('>', p) + 1;
    if (html.substr(start, html.find("</word>", start) - start) != word) continue;
    auto value = [&](const char* name) { return atof(html.c_str() + html.find(name, p) + strlen(name)); };
    box = {value("xMin=\""), value("yMin=\""), value("xMax=\""), value("yMax=\"")};
    break;
  }
  return box;
}

using PrintCellKindsTest = PrinterTest;

TEST_F(PrintCellKindsTest, PictureDiagonalAndDateCellsPrintAsOnScreen) {
  // Header captions mark each column's left edge; one body row holds a stretched
  // black picture, a top-left to bottom-right diagonal and a date.
  GridModel g;
  g.SetRowCount(2);
  g.SetColCount(4);
  g.SetHeadRowCount(1);
  g.SetRowHeight(0, 24, true);
  g.SetRowHeight(1, 60, true);
  for (int c = 0; c < 4; ++c) g.SetColWidth(c, 100, true);
  for (int c = 0; c < 4; ++c) g.SetCellText(0, c, "C" + std::to_string(c));
  g.Settings().lineWidth = 2;
  g.Settings().isShowDiglog = 0;

  grid::ColumnKindEntry picture;
  picture.column = 0;
  picture.kind = grid::kind::kPicture;
  picture.pictureMode = grid::picturemode::kStretch;
  g.AppendColumnKind(picture);
  grid::ColumnKindEntry date;
  date.column = 2;
  date.kind = grid::kind::kDate;
  date.dateFormat = "%Y/%m/%d";
  g.AppendColumnKind(date);

  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP black = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(black, nullptr);
  memset(bits, 0, 8 * 8 * 4);
  g.Cell(1, 0)->SetBitmap(grid::Bitmap(black));
  g.SetCellDiagonal(1, 1, grid::diagonal::kDown);
  g.SetCellText(1, 2, "2011-1-26");
  g.SetCellText(1, 3, "end");

  RemovePdfs("NoteKinds");
  grid::win::SetPrintDocumentTitle("NoteKinds");
  grid::win::RunPrintJob(g);
  g.Cell(1, 0)->SetBitmap(0);
  DeleteObject(black);
  EXPECT_TRUE(prompts.boxes.empty());
  std::string pdf = WaitForPdf("NoteKinds");
  ASSERT_FALSE(pdf.empty()) << "no PDF from CUPS";

  std::string text = PdfPageText(pdf, 1);
  EXPECT_NE(text.find("2011/01/26"), std::string::npos) << text;
  EXPECT_EQ(text.find("2011-1-26"), std::string::npos) << text;

  // Column edges from the captions, the body row's middle from the date.
  WordBox c0 = FindWord(pdf, "C0"), c1 = FindWord(pdf, "C1"), c2 = FindWord(pdf, "C2");
  WordBox day = FindWord(pdf, "2011/01/26");
  ASSERT_GT(c0.xMin, 0);
  ASSERT_GT(c1.xMin, c0.xMin);
  ASSERT_GT(c2.xMin, c1.xMin);
  ASSERT_GT(day.yMin, c0.yMax);
  double column = c1.xMin - c0.xMin, middle = (day.yMin + day.yMax) / 2;
  GreyPage page = RenderPage(pdf);
  ASSERT_GT(page.width, 0) << "pdftoppm gave no page";

  // The stretched picture fills its cell; the diagonal crosses its cell's centre and
  // leaves the cell's top-right quarter white.
  EXPECT_TRUE(page.InkNear(c0.xMin + column / 2, middle, 0)) << "picture";
  EXPECT_TRUE(page.InkNear(c0.xMin + column * 0.25, middle - 10, 0)) << "picture";
  EXPECT_TRUE(page.InkNear(c1.xMin + column / 2, middle, 3)) << "diagonal";
  EXPECT_FALSE(page.InkNear(c1.xMin + column * 0.75, middle - 12, 2)) << "diagonal's empty side";
}

}  // namespace
