// The 客户对账单 window in the real program: the closing figures of notes over two months
// and two payments, a long statement printed to the PDF printer on several pages, and
// the CSV export read back by a spreadsheet-style reader (Python's csv module).
#include <windows.h>

#include <fstream>
#include <functional>

#include "app/core/BookDates.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "book/core/Money.h"
#include "runtime/core/DateTime.h"
#include "runtime/core/ValueConversions.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"
#include "tests/printwin/PrintTestSupport.h"

namespace appwin_test {
namespace {

book::NoteItem Item(int row, const std::string& dimensions, const std::string& amount) {
  return book::NoteItem{row, dimensions, "1", "块", amount, amount, ""};
}

class StatementWindow : public BookProgram {
 protected:
  StatementWindow() : BookProgram("对账单测试.db") {}

  book::NoteBook& Book() {
    std::string why;
    book::NoteBook* b = app::OpenNoteBook(&why);
    if (!b) throw std::runtime_error(why);
    return *b;
  }
  void Note(const std::string& number, const std::string& date, std::vector<book::NoteItem> items) {
    book::NoteRecord note;
    note.number = number;
    note.customer = "华联建材";
    note.noteDate = date;
    note.items = std::move(items);
    std::string why;
    ASSERT_TRUE(Book().Record(note, &why)) << why;
  }
  void Pay(const std::string& date, const char* amount, const std::string& remark) {
    book::Payment p{0, "华联建材", date, remark, 0};
    ASSERT_TRUE(book::ParseMoney(amount, &p.amount));
    std::string why;
    ASSERT_TRUE(Book().RecordPayment(&p, &why)) << why;
  }

  // Opens the window from the menu and runs `body` in it (from a timer, the window being
  // modal) after typing the customer and the period; closes it afterwards.
  void InWindow(const std::function<void(HWND window, grid::GridModel& sheet)>& body) {
    visit = {this, body, false};
    SetTimer(nullptr, 0, 100, &Tick);
    Menu(app::kMenuStatementId);
    ASSERT_TRUE(visit.visited);
    EXPECT_EQ(Host().FindLoadedWindow(app::kStatementWindowId), nullptr);
  }
  HWND WindowUnit(uint32_t id) {
    return Host().FindLoadedWindow(app::kStatementWindowId)->FindUnit(id)->hwnd;
  }
  void Press(uint32_t buttonId) {
    SendMessageW(WindowUnit(buttonId), BM_CLICK, 0, 0);
    Pump();
  }

 private:
  struct Visit {
    StatementWindow* test;
    std::function<void(HWND, grid::GridModel&)> body;
    bool visited;
  };
  static inline Visit visit;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    StatementWindow& t = *visit.test;
    auto w = t.Host().FindLoadedWindow(app::kStatementWindowId);
    if (!w || !w->hwnd) return;
    KillTimer(nullptr, id);
    visit.visited = true;
    SendMessageW(t.WindowUnit(app::kStatementCustomerEditId), WM_SETTEXT, 0,
                 LPARAM(rt::win::GbkToWide("华联建材").c_str()));
    app::SetDateBox(app::kStatementWindowId, app::kStatementFromBoxId, rt::MakeDateTime(2026, 11, 1));
    app::SetDateBox(app::kStatementWindowId, app::kStatementToBoxId, rt::MakeDateTime(2026, 11, 30));
    grid::win::CGridCtrl* sheet = grid::win::CGridCtrl::FromHwnd(t.WindowUnit(app::kStatementGridId));
    visit.body(w->hwnd, sheet->Model());
    if (t.Host().FindLoadedWindow(app::kStatementWindowId)) PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
};

// October's balance is brought forward; a note and a payment on the period's last day
// are in it; 0.1 + 0.2 adds up to 0.30.
TEST_F(StatementWindow, TwoMonthsAndTwoPaymentsGiveTheClosingFiguresAndTheCsv) {
  Note("NO.1", "2026-10-08", {Item(1, "60*40", "100"), Item(2, "30*30", "20.5")});
  Pay("2026-10-20", "50", "现金");
  Note("NO.2", "2026-11-03", {Item(1, "A", "0.1"), Item(2, "B", "0.2")});
  Note("NO.3", "2026-11-30", {Item(1, "C", "30")});
  Pay("2026-11-30", "40", "转账, 月结");
  const std::string csvUnix = "/tmp/notewriter-statement-" + std::to_string(GetCurrentProcessId()) + ".csv";
  const std::string csvPath = "Z:" + csvUnix;
  DeleteFileA(csvPath.c_str());

  InWindow([&](HWND, grid::GridModel& sheet) {
    Press(app::kStatementQueryButtonId);
    ASSERT_EQ(sheet.RowCount(), 3 + 4 + 5);
    EXPECT_EQ(sheet.CellText(0, 0), "华联建材 对账单");
    EXPECT_EQ(sheet.CellText(1, 0), "期间：2026-11-01 至 2026-11-30");
    EXPECT_EQ(sheet.CellText(2, 6), "金额");
    EXPECT_EQ(sheet.CellText(6, 1), "收款");
    EXPECT_EQ(sheet.CellText(6, 2), "转账, 月结");
    const char* closing[4][2] = {
        {"期初欠款", "70.50"}, {"本期送货", "30.30"}, {"本期收款", "40.00"}, {"期末欠款", "60.80"}};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(sheet.CellText(7 + i, 0), closing[i][0]);
      EXPECT_EQ(sheet.CellText(7 + i, 6), closing[i][1]);
    }
    EXPECT_EQ(sheet.CellText(11, 1), "大写：" + rt::NumberToCapitalText(60.8, false));

    AnswerFileDialog(csvPath);
    Press(app::kStatementExportButtonId);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes.back().text, "对账单已导出到：" + csvPath);

    // Inputs that make no statement say why and leave the one shown.
    app::SetDateBox(app::kStatementWindowId, app::kStatementFromBoxId, rt::MakeDateTime(2026, 12, 1));
    Press(app::kStatementQueryButtonId);
    EXPECT_EQ(prompts.boxes.back().text, "无法生成对账单：起始日期晚于截止日期");
    SendMessageW(WindowUnit(app::kStatementCustomerEditId), WM_SETTEXT, 0, LPARAM(L"  "));
    Press(app::kStatementPrintButtonId);
    EXPECT_EQ(prompts.boxes.back().text, "请输入客户名称。");
    EXPECT_EQ(prompts.boxes.size(), 3u);
    EXPECT_EQ(sheet.CellText(10, 6), "60.80");
  });
  ASSERT_EQ(dialogKinds, std::vector<int>{1}) << "the save dialog";

  // Read as a spreadsheet would: the byte-order mark tells UTF-8, the fields come back whole.
  const std::string script = csvUnix + ".py";
  {
    std::ofstream py("Z:" + script, std::ios::binary);
    py << "import csv, sys\n"
          "raw = open(sys.argv[1], 'rb').read()\n"
          "assert raw.startswith(bytes([0xEF, 0xBB, 0xBF])), 'no byte-order mark'\n"
          "for r in csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline='')):\n"
          "    print('|'.join(r))\n";
  }
  std::string rows = print_test::Shell("python3 " + script + " " + csvUnix);
  EXPECT_EQ(print_test::Utf8ToGbk(rows),
            "日期|单号|规格|数量|单位|单价|金额|备注\n"
            "2026-11-03|NO.2|A|1|块|0.1|0.1|\n"
            "2026-11-03|NO.2|B|1|块|0.2|0.2|\n"
            "2026-11-30|NO.3|C|1|块|30|30|\n"
            "2026-11-30|收款|转账, 月结||||40.00|\n"
            "期初欠款|70.50\n本期送货|30.30\n本期收款|40.00\n期末欠款|60.80\n");
  DeleteFileA(csvPath.c_str());
  DeleteFileA(("Z:" + script).c_str());
}

// 200 lines: several pages, each under the title with the column names and its page
// number; the closing rows once, on the last page.
TEST_F(StatementWindow, ALongStatementPrintsOnSeveralPages) {
  print_test::RequirePdfPrinter();
  if (IsSkipped() || HasFatalFailure()) return;
  grid::win::ResetSharedPrinter();
  std::vector<book::NoteRecord> notes(10);
  for (int n = 0; n < 10; ++n) {
    notes[n].number = "NO." + std::to_string(100 + n);
    notes[n].customer = "华联建材";
    notes[n].noteDate = "2026-11-" + std::to_string(10 + n);
    for (int r = 1; r <= 20; ++r) notes[n].items.push_back(Item(r, "件" + std::to_string(n * 20 + r), "1"));
  }
  std::string why;
  ASSERT_TRUE(Book().RecordAll(notes, &why)) << why;
  print_test::RemovePdfs("NoteStatement");
  grid::win::SetPrintDocumentTitle("NoteStatement");
  print_test::PrintDialogAnswer answer;
  InWindow([&](HWND, grid::GridModel& sheet) {
    Press(app::kStatementPrintButtonId);
    EXPECT_EQ(sheet.RowCount(), 3 + 200 + 5);
  });
  grid::win::SetPrintDocumentTitle("");
  EXPECT_EQ(answer.shown, 1);
  EXPECT_TRUE(prompts.boxes.empty()) << prompts.boxes.front().text;

  std::string pdf = print_test::WaitForPdf("NoteStatement");
  ASSERT_FALSE(pdf.empty()) << "no PDF from CUPS";
  const int pages = print_test::PdfPages(pdf);
  ASSERT_GE(pages, 3);
  std::string all;
  for (int page = 1; page <= pages; ++page) {
    std::string text = print_test::PdfPageText(pdf, page);
    EXPECT_NE(text.find("对账单"), std::string::npos) << "title on page " << page;
    EXPECT_NE(text.find("单号"), std::string::npos) << "column names on page " << page;
    std::string footer = "第" + std::to_string(page) + "页/共" + std::to_string(pages) + "页";
    EXPECT_NE(text.find(footer), std::string::npos) << text;
    EXPECT_EQ(text.find("期初欠款") != std::string::npos, page == pages) << "closing rows on page " << page;
    all += text;
  }
  for (const char* line : {"件1 ", "件100 ", "件200 "}) EXPECT_NE(all.find(line), std::string::npos) << line;
  print_test::RunShell("rm -f '" + pdf + "'");
}

}  // namespace
}  // namespace appwin_test
