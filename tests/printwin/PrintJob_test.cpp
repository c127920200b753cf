// The print job on the real CUPS PDF printer: pages, bands and footer read back from
// the PDF; the shared printer across jobs; the dialog, its cancel and both failures.
#include <windows.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "grid/core/GridModel.h"
#include "grid/core/GridPageLayout.h"
#include "tests/printwin/PrintTestSupport.h"
#include "tests/win/HostTestSupport.h"

namespace {

using namespace print_test;
using grid::GridModel;

// The delivery note's shape: two header rows, 60 item rows, seven columns.
void MakeNote(GridModel& g, int items = 60) {
  g.SetRowCount(items + 2);
  g.SetColCount(7);
  g.SetHeadRowCount(2);
  for (int r = 0; r < g.RowCount(); ++r) g.SetRowHeight(r, 24, true);
  for (int c = 0; c < 7; ++c) g.SetColWidth(c, 60, true);
  const char* heads[7] = {"序号", "规格", "数量", "单位", "单价", "金额", "备注"};
  g.SetCellText(0, 0, "客户名称");
  for (int c = 0; c < 7; ++c) g.SetCellText(1, c, heads[c]);
  for (int r = 0; r < items; ++r) {
    g.SetCellText(r + 2, 0, std::to_string(r + 1));
    g.SetCellText(r + 2, 1, "item" + std::to_string(r + 1));
  }
  g.Title().text = "青禾测试单";
  g.Title().face = "宋体";
  g.Title().size = 22;
}

using PrintJobTest = PrinterTest;

TEST_F(PrintJobTest, SixtyRowNotePrintsEveryPageWithTitleHeaderRowsAndFooter) {
  GridModel g;
  MakeNote(g);
  g.Settings().isShowDiglog = 0;  // the default printer, no dialog
  g.Settings().printPageNo = 2;
  g.Settings().printDate = 3;
  RemovePdfs("NoteSixty");
  grid::win::SetPrintDocumentTitle("NoteSixty");
  grid::win::RunPrintJob(g);
  ASSERT_NE(grid::win::SharedPrinterDC(), nullptr);
  EXPECT_TRUE(prompts.boxes.empty());

  // The page count the layout gives for this printer's page.
  grid::win::GridPagePainter painter(g);
  grid::win::PageInfo info;
  painter.BeginPrintJob(grid::win::SharedPrinterDC(), &info);
  painter.EndPrintJob(grid::win::SharedPrinterDC(), &info);
  const int pages = info.maxPage;
  ASSERT_GE(pages, 2);

  std::string pdf = WaitForPdf("NoteSixty");
  ASSERT_FALSE(pdf.empty()) << "no PDF from CUPS";
  ASSERT_EQ(PdfPages(pdf), pages);

  SYSTEMTIME now;
  GetLocalTime(&now);
  std::string date = grid::DateText(now.wYear, now.wMonth, now.wDay);
  int itemsSeen = 0;
  for (int page = 1; page <= pages; ++page) {
    std::string text = PdfPageText(pdf, page);
    EXPECT_NE(text.find("青禾测试单"), std::string::npos) << "title on page " << page;
    EXPECT_NE(text.find("规格"), std::string::npos) << "header row on page " << page;
    EXPECT_NE(text.find("客户名称"), std::string::npos) << "header row on page " << page;
    // The text extraction drops the spaces of "第 %d 页 / 共 %d 页".
    std::string footer = "第" + std::to_string(page) + "页/共" + std::to_string(pages) + "页";
    EXPECT_NE(text.find(footer), std::string::npos) << text;
    for (int item = 1; item <= 60; ++item)
      if (text.find("item" + std::to_string(item) + " ") != std::string::npos ||
          text.find("item" + std::to_string(item) + "\n") != std::string::npos)
        ++itemsSeen;

    // Page text centred, date at the right, both below everything else.
    double width = 0;
    std::vector<Word> words = PdfWords(pdf, page, &width);
    bool dateRight = false, pageCentred = false;
    for (const Word& w : words) {
      if (w.text == date) dateRight = w.xMin > width * 0.6;
      if (w.text.rfind("第", 0) == 0) pageCentred = w.xMin > width * 0.25 && w.xMax < width * 0.6;
    }
    EXPECT_TRUE(dateRight) << "date " << date << " at the right of page " << page;
    EXPECT_TRUE(pageCentred) << "page number centred on page " << page;
  }
  EXPECT_EQ(itemsSeen, 60);  // every item row on exactly one page
  EXPECT_EQ(PdfPageText(pdf, 1).find("item60"), std::string::npos);
}

TEST_F(PrintJobTest, SecondPrintWithoutDialogUsesTheLastConfirmedPrinter) {
  GridModel g;
  MakeNote(g, 3);
  RemovePdfs("NoteTwice");
  grid::win::SetPrintDocumentTitle("NoteTwice");
  PrintDialogAnswer ok(IDOK);
  grid::win::RunPrintJob(g);  // IsShowDiglog 1: the real dialog, answered OK
  EXPECT_EQ(ok.shown, 1);
  HDC confirmed = grid::win::SharedPrinterDC();
  ASSERT_NE(confirmed, nullptr);
  EXPECT_NE(grid::win::SharedPrinterSettings(), nullptr);
  std::string first = WaitForPdf("NoteTwice");
  ASSERT_FALSE(first.empty());
  RemovePdfs("NoteTwice");

  g.Settings().isShowDiglog = 0;
  grid::win::RunPrintJob(g);
  EXPECT_EQ(ok.shown, 1);  // not asked again
  EXPECT_EQ(grid::win::SharedPrinterDC(), confirmed);
  EXPECT_FALSE(WaitForPdf("NoteTwice").empty());

  // With the dialog again: preloaded with the confirmed settings; Cancel changes nothing.
  g.Settings().isShowDiglog = 1;
  RemovePdfs("NoteTwice");
  {
    PrintDialogAnswer cancel(IDCANCEL);
    grid::win::RunPrintJob(g);
    EXPECT_EQ(cancel.shown, 1);
  }
  EXPECT_EQ(grid::win::SharedPrinterDC(), confirmed);
  EXPECT_TRUE(prompts.boxes.empty());
  EXPECT_TRUE(WaitForPdf("NoteTwice", 3000).empty());
}

// A painter whose second page fails.
class FailingPainter : public grid::win::GridPagePainter {
 public:
  using GridPagePainter::GridPagePainter;
  void PrintPage(HDC dc, grid::win::PageInfo* info) override {
    if (info->currentPage == 2) throw std::runtime_error("page failed");
    GridPagePainter::PrintPage(dc, info);
  }
};

TEST_F(PrintJobTest, AFailingPageAbortsTheDocumentAndKeepsThePrinter) {
  GridModel g;
  MakeNote(g);
  g.Settings().isShowDiglog = 0;
  RemovePdfs("NoteFails");
  grid::win::SetPrintDocumentTitle("NoteFails");
  FailingPainter painter(g);
  grid::win::RunPrintJob(painter, nullptr);
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(prompts.boxes[0].text, grid::win::kPrintPagesError);
  EXPECT_EQ(prompts.boxes[0].caption, "错误");
  EXPECT_EQ(prompts.boxes[0].flags & MB_ICONMASK, UINT(MB_ICONERROR));
  HDC kept = grid::win::SharedPrinterDC();
  ASSERT_NE(kept, nullptr);
  EXPECT_TRUE(WaitForPdf("NoteFails", 4000).empty());  // aborted: nothing printed

  // The kept context prints the next job.
  grid::win::RunPrintJob(g);
  EXPECT_EQ(grid::win::SharedPrinterDC(), kept);
  EXPECT_FALSE(WaitForPdf("NoteFails").empty());
}

TEST_F(PrintJobTest, NoPrinterContextShowsTheInitialisationError) {
  GridModel g;
  MakeNote(g, 2);
  // A dialog that answers OK without a printer context.
  grid::win::PrintDialogHook previous = grid::win::SetPrintDialogHook([](PRINTDLGW*) { return TRUE; });
  grid::win::RunPrintJob(g);
  grid::win::SetPrintDialogHook(previous);
  ASSERT_EQ(prompts.boxes.size(), 1u);
  EXPECT_EQ(prompts.boxes[0].text, grid::win::kPrinterInitError);
  EXPECT_EQ(prompts.boxes[0].caption, "错误");
  EXPECT_EQ(grid::win::SharedPrinterDC(), nullptr);
}

}  // namespace
