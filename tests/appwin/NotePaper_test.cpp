// The note on continuous 241 mm paper: printed from the menu and from the command line
// through CUPS queues whose default paper is 241 x 140 and 241 x 93 mm, the PDFs read
// back for their pages, sizes, texts and positions.
#include <windows.h>
#include <shlobj.h>

#include <fstream>

#include "app/core/Handlers.h"
#include "app/core/PrintSettings.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridFile.h"
#include "grid/win/GridPreview.h"
#include "resources/GridPreviewIds.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"
#include "tests/printwin/PrintTestSupport.h"

namespace appwin_test {
namespace {

using app::print::PrintSettings;

// With NOTEWRITER_SHOTS set to a folder, the screen is saved there as NAME.png.
void Screenshot(const char* name) {
  char folder[MAX_PATH] = {};
  if (GetEnvironmentVariableA("NOTEWRITER_SHOTS", folder, MAX_PATH) == 0) return;
  print_test::Shell(std::string("import -window root ") + folder + "/" + name + ".png");
}

std::string Size(const std::string& pdf) {
  return print_test::Shell("pdfinfo '" + pdf + "' | grep '^Page size'");
}

// The x of the first word of the page that holds `text`; -1 when there is none.
double WordX(const std::string& pdf, const std::string& text) {
  double width = 0;
  for (const print_test::Word& w : print_test::PdfWords(pdf, 1, &width))
    if (w.text.find(text) != std::string::npos) return w.xMin;
  return -1;
}

class NotePaper : public NoteProgram {
 protected:
  void SetUp() override {
    print_test::RequirePdfPrinter();
    if (IsSkipped() || HasFatalFailure()) return;
    NoteProgram::SetUp();
    grid::win::ResetSharedPrinter();
    Model().Settings().isShowDiglog = 0;
  }
  void TearDown() override {
    app::print::CurrentPrintSettings() = PrintSettings();
    grid::win::SetPrintDocumentTitle("");
    if (!IsSkipped()) NoteProgram::TearDown();
  }
  void Items(int count) {
    for (int i = 0; i < count; ++i) {
      Model().SetCellText(3 + i, 1, "规格" + std::to_string(i + 1));
      Model().SetCellText(3 + i, 2, "2");
      Model().SetCellText(3 + i, 4, "3.5");
      Model().SetCellText(3 + i, 5, "7.00");
    }
    Model().SetCellText(23, 1, "大写金额：柒拾元整");
  }
  // Prints through the menu on the queue and returns the PDF.
  std::string PrintOn(const wchar_t* queue, const PrintSettings& s, const std::string& name) {
    app::print::CurrentPrintSettings() = s;
    print_test::RemovePdfs(name);
    grid::win::SetPrintDocumentTitle(name);
    EXPECT_TRUE(grid::win::AdoptNamedPrinter(queue));
    Menu(app::kMenuPrintNowId);
    EXPECT_TRUE(prompts.boxes.empty());
    return print_test::WaitForPdf(name, 90000);
  }
};

PrintSettings Paper(int w, int h) {
  PrintSettings s;
  s.paperWidth = w;
  s.paperHeight = h;
  s.filledRowsOnly = true;
  return s;
}

TEST_F(NotePaper, SixItemsOnOneHalfSheetOffsetSignLineAndNoPrices) {
  Items(6);
  PrintSettings s = Paper(241, 140);
  s.signLine = "送货人：__________    收货人签字：__________";
  std::string pdf = PrintOn(L"PDF241x140", s, "NotePaper140");
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(print_test::PdfPages(pdf), 1);
  EXPECT_NE(Size(pdf).find("683 x 397"), std::string::npos) << Size(pdf);
  std::string text = print_test::PdfPageText(pdf, 1);
  for (const char* t : {"销售单号", "规格1", "规格6", "大写金额", "收货人签字", "7.00"})
    EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;
  double x = WordX(pdf, "销售单号");

  s.offsetX = 10;
  s.hidePrices = true;
  std::string moved = PrintOn(L"PDF241x140", s, "NotePaperMoved");
  ASSERT_FALSE(moved.empty());
  EXPECT_NEAR(WordX(moved, "销售单号") - x, 10 * 72 / 25.4, 72 / 25.4);
  text = print_test::PdfPageText(moved, 1);
  EXPECT_EQ(text.find("7.00"), std::string::npos) << text;
  EXPECT_EQ(text.find("3.50"), std::string::npos) << text;
  EXPECT_EQ(text.find("柒拾"), std::string::npos) << text;
  EXPECT_NE(text.find("大写金额"), std::string::npos) << text;
  print_test::RunShell("rm -f '" + pdf + "' '" + moved + "'");
}

// The settings window shows the file's settings; the preview shows the half sheet the
// printer gets, the six items on one page as the print has them.
TEST_F(NotePaper, SettingsWindowAndPreviewOnTheHalfSheet) {
  Items(6);
  PrintSettings s = Paper(241, 140);
  s.subtitle = "地址：建材市场 8 号  电话：1234567";
  app::print::CurrentPrintSettings() = s;
  Menu(app::kMenuPrintHeaderId);
  Pump();
  Screenshot("settings-window");
  ASSERT_TRUE(grid::win::AdoptNamedPrinter(L"PDF241x140"));
  int pages = 0, width = 0, height = 0;
  grid::win::PreviewHook old = grid::win::SetPreviewOpenedHook([&](HWND w) {
    Pump();
    Screenshot("preview-241x140");
    if (const grid::win::PreviewState* p = grid::win::CurrentPreview()) {
      pages = p->pageCount;
      width = p->paper.paperWidth;
      height = p->paper.paperHeight;
    }
    SendMessageW(w, WM_COMMAND, QGRID_IDC_EXIT, 0);
  });
  Menu(app::kMenuPrintPreviewId);
  grid::win::SetPreviewOpenedHook(old);
  EXPECT_EQ(pages, 1);
  EXPECT_NEAR(width, 2410, 10);
  EXPECT_NEAR(height, 1400, 10);
}

TEST_F(NotePaper, TwentyItemsOnThirdSheetsRepeatTheHeaderAndEndWithTheTotal) {
  Items(20);
  std::string pdf = PrintOn(L"PDF241x93", Paper(241, 93), "NotePaper93");
  ASSERT_FALSE(pdf.empty());
  const int pages = print_test::PdfPages(pdf);
  ASSERT_GE(pages, 2);
  EXPECT_NE(Size(pdf).find("683 x 264"), std::string::npos) << Size(pdf);
  std::string all;
  for (int page = 1; page <= pages; ++page) {
    std::string text = print_test::PdfPageText(pdf, page);
    EXPECT_NE(text.find("编号"), std::string::npos) << "header row on page " << page;
    EXPECT_NE(text.find("共" + std::to_string(pages) + "页"), std::string::npos) << text;
    EXPECT_EQ(text.find("大写金额") != std::string::npos, page == pages) << "total on page " << page;
    all += text;
  }
  for (const char* t : {"规格1 ", "规格20"}) EXPECT_NE(all.find(t), std::string::npos) << t;
  print_test::RunShell("rm -f '" + pdf + "'");
}

// The program itself with the print verb: print.ini in the user's folder, the note file
// saved by the grid, the PDF that came after a marker file.
class PrintVerb : public ::testing::Test {
 protected:
  void SetUp() override {
    print_test::RequirePdfPrinter();
    if (IsSkipped() || HasFatalFailure()) return;
    wchar_t base[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, base)));
    folder_ = std::wstring(base) + L"\\NoteWriter";
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    if (!folder_.empty()) DeleteFileW((folder_ + L"\\print.ini").c_str());
  }
  void WriteIni(const std::string& utf8) {
    std::string text = "\xEF\xBB\xBF" + utf8;
    HANDLE f =
        CreateFileW((folder_ + L"\\print.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(f, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(f);
  }
  int Run(const std::wstring& args, std::string* err = nullptr) {
    std::wstring line =
        L"cmd /c \"\"" + ProgramDirectory() + L"..\\app\\NoteWriter.exe\" " + args + L" 2>&1\"";
    return RunAndWait(line, 60000, err);
  }
  std::wstring folder_;
};

TEST_F(PrintVerb, PrintsANoteFileOnTheNamedPrinterAndSaysWhyNot) {
  grid::GridModel note;
  note.SetRowCount(24);
  note.SetColCount(7);
  for (int r = 3; r < 9; ++r) note.SetCellText(r, 1, "件" + std::to_string(r - 2));
  note.SetCellText(23, 1, "大写金额：");
  std::string file = TempPath("送货单打印.qgd");
  ASSERT_TRUE(grid::SaveGridFile(note, file));
  std::wstring wide = rt::win::GbkToWide(file);
  WriteIni("[print]\r\nPaper=241x140\r\nFilledRowsOnly=1\r\n");

  std::string marker = "/tmp/notewriter-verb-marker";
  print_test::RunShell("touch " + marker);
  std::string err;
  EXPECT_EQ(Run(L"/pt \"" + wide + L"\" PDF241x140", &err), 0) << err;
  std::string pdf;
  for (int i = 0; i < 240 && pdf.empty(); ++i) {
    // The job is named after the window (not ASCII): it is moved to a plain name.
    std::string folder = print_test::kPdfFolder;
    pdf = print_test::Shell("f=$(find " + folder + " -name '*.pdf' -newer " + marker +
                            " | head -1); [ -n $f ] && pdfinfo $f >/dev/null 2>&1 && mv $f " + folder +
                            "/NoteVerb.pdf && echo " + folder + "/NoteVerb.pdf");
    while (!pdf.empty() && (pdf.back() == '\n' || pdf.back() == '\r')) pdf.pop_back();
    Sleep(250);
  }
  ASSERT_FALSE(pdf.empty()) << "no PDF from /pt";
  EXPECT_EQ(print_test::PdfPages(pdf), 1);
  EXPECT_NE(Size(pdf).find("683 x 397"), std::string::npos) << Size(pdf);
  std::string text = print_test::PdfPageText(pdf, 1);
  EXPECT_NE(text.find("件6"), std::string::npos) << text;
  EXPECT_NE(text.find("大写"), std::string::npos) << text;
  print_test::RunShell("rm -f '" + pdf + "' " + marker);

  EXPECT_NE(Run(L"/pt \"" + wide + L"\" NoSuchPrinter", &err), 0);
  EXPECT_NE(err.find("no such printer"), std::string::npos) << err;
  EXPECT_NE(Run(L"/p C:\\no\\such\\note.qgd", &err), 0);
  EXPECT_NE(err.find("no such file"), std::string::npos) << err;
  std::string junk = TempPath("不是表格.qgd");
  {
    HANDLE f =
        CreateFileW(rt::win::GbkToWide(junk).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, "not a grid", 10, &written, nullptr);
    CloseHandle(f);
  }
  EXPECT_NE(Run(L"/p \"" + rt::win::GbkToWide(junk) + L"\"", &err), 0);
  EXPECT_NE(err.find("not a note"), std::string::npos) << err;
  EXPECT_NE(Run(L"/p", &err), 0);
  DeleteFileW(wide.c_str());
  DeleteFileW(rt::win::GbkToWide(junk).c_str());
}

}  // namespace
}  // namespace appwin_test
