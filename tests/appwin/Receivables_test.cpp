// 欠款汇总 and 作废 through the real program: the summary's figures of three customers
// against the statements a double-click opens, its CSV export, and a note voided in
// 历史单据 leaving the 客户对账单 window.
#include <windows.h>

#include <functional>
#include <map>

#include "app/core/BookDates.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteCalls.h"
#include "app/core/ProgramTemplates.h"
#include "book/core/Money.h"
#include "runtime/core/DateTime.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"
#include "tests/book/BookTestSupport.h"

namespace appwin_test {
namespace {

// While window `id` is open (modal, so the test is blocked in the call that opened it),
// `body` runs on it from a timer; the window is closed afterwards.
class Visit {
 public:
  using Body = std::function<void(rt::win::LiveWindow& window)>;
  Visit(rt::win::RuntimeHost& host, uint32_t windowId, Body body)
      : host_(host), windowId_(windowId), body_(std::move(body)) {
    visits()[SetTimer(nullptr, 0, 100, &Tick)] = this;
  }
  bool visited = false;

 private:
  static std::map<UINT_PTR, Visit*>& visits() {
    static std::map<UINT_PTR, Visit*> all;
    return all;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    Visit& v = *visits()[id];
    auto w = v.host_.FindLoadedWindow(v.windowId_);
    if (!w || !w->hwnd) return;
    KillTimer(nullptr, id);
    visits().erase(id);
    v.visited = true;
    v.body_(*w);
    if (v.host_.FindLoadedWindow(v.windowId_)) PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
  rt::win::RuntimeHost& host_;
  uint32_t windowId_;
  Body body_;
};

grid::win::CGridCtrl& GridOf(rt::win::LiveWindow& w, uint32_t gridId) {
  return *grid::win::CGridCtrl::FromHwnd(w.FindUnit(gridId)->hwnd);
}

void Press(rt::win::LiveWindow& w, uint32_t buttonId) {
  SendMessageW(w.FindUnit(buttonId)->hwnd, BM_CLICK, 0, 0);
}

void ClickRow(grid::win::CGridCtrl& list, int row, bool twice = false) {
  RECT r = list.CellRect(row, 0);
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(list.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list.Hwnd(), WM_LBUTTONUP, 0, at);
  if (!twice) return;
  SendMessageW(list.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(list.Hwnd(), WM_LBUTTONUP, 0, at);
}

class ReceivablesProgram : public BookProgram {
 protected:
  ReceivablesProgram() : BookProgram("欠款测试.db") {}

  book::NoteBook& Book() {
    std::string why;
    book::NoteBook* b = app::OpenNoteBook(&why);
    if (!b) throw std::runtime_error(why);
    return *b;
  }
  void Note(const char* number, const char* customer, const char* date, std::vector<std::string> amounts) {
    std::vector<book::NoteItem> items;
    for (size_t i = 0; i < amounts.size(); ++i)
      items.push_back(book::test::Item(int(i) + 1, "货", "块", "1", amounts[i]));
    book::test::Record(Book(), book::test::Note(number, customer, date, std::string(number) + ".qgd", items));
  }
  void Pay(const char* customer, const char* date, int yuan) {
    book::Payment p{0, customer, date, "", yuan * book::kMoneyScale};
    std::string why;
    ASSERT_TRUE(Book().RecordPayment(&p, &why)) << why;
  }
};

// The customers, the total and the figures of each row as the window shows them; each
// customer's 欠款 is the closing balance of the statement its double-click opens.
TEST_F(ReceivablesProgram, ThreeCustomersOweWhatTheirStatementsSayAndExport) {
  Note("NO.1", "华联建材", "2026-09-10", {"100"});
  Note("NO.2", "华联建材", "2026-11-20", {"50.5"});
  Pay("华联建材", "2026-10-01", 30);
  Note("NO.3", "东方五金", "2026-11-28", {"200", "0.1", "0.2"});
  Note("NO.4", "李记装饰", "2026-08-01", {"80"});
  Pay("李记装饰", "2026-11-02", 100);
  Note("NO.5", "华联建材", "2026-12-05", {"999"});  // after the day
  Pay("东方五金", "2026-12-01", 50);
  const std::string csvUnix = "/tmp/notewriter-receivables-" + std::to_string(GetCurrentProcessId()) + ".csv";
  const std::string csvPath = "Z:" + csvUnix;
  DeleteFileA(csvPath.c_str());

  std::vector<std::string> shown, closings;
  Visit summary(Host(), app::kReceivablesWindowId, [&](rt::win::LiveWindow& w) {
    app::SetDateBox(app::kReceivablesWindowId, app::kReceivablesDateBoxId, rt::MakeDateTime(2026, 11, 30));
    Press(w, app::kReceivablesQueryButtonId);
    grid::win::CGridCtrl& grid = GridOf(w, app::kReceivablesGridId);
    grid::GridModel& m = grid.Model();
    ASSERT_EQ(m.RowCount(), 2 + 3 + 1);
    EXPECT_EQ(m.CellText(0, 0), "截止日期：2026-11-30");
    EXPECT_EQ(m.CellText(1, 7), "90 天以上");
    for (int r = 2; r < 6; ++r) {
      std::string line;
      for (int c = 0; c < 8; ++c) line += (c ? " " : "") + m.CellText(r, c);
      shown.push_back(line);
    }
    for (int r = 2; r < 5; ++r) {
      Visit statement(Host(), app::kStatementWindowId, [&](rt::win::LiveWindow& s) {
        grid::GridModel& sheet = GridOf(s, app::kStatementGridId).Model();
        EXPECT_EQ(sheet.CellText(0, 0), m.CellText(r, 0) + " 对账单");
        EXPECT_EQ(sheet.CellText(1, 0), "期间：2026-11-01 至 2026-11-30");
        EXPECT_EQ(sheet.CellText(sheet.RowCount() - 2, 0), "期末欠款");
        closings.push_back(sheet.CellText(sheet.RowCount() - 2, 6));
      });
      ClickRow(grid, r, /*twice=*/true);
      EXPECT_TRUE(statement.visited) << "row " << r;
      EXPECT_EQ(closings.size(), size_t(r - 1));
      if (closings.size() == size_t(r - 1)) {
        EXPECT_EQ(closings.back(), m.CellText(r, 3)) << m.CellText(r, 0);
      }
    }
    AnswerFileDialog(csvPath);
    Press(w, app::kReceivablesExportButtonId);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].text, "欠款汇总已导出到：" + csvPath);
  });
  Menu(app::kMenuReceivablesId);
  EXPECT_TRUE(summary.visited);
  EXPECT_EQ(Host().FindLoadedWindow(app::kReceivablesWindowId), nullptr);
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "东方五金 200.30 0.00 200.30 200.30 0.00 0.00 0.00",
                       "华联建材 150.50 30.00 120.50 50.50 0.00 70.00 0.00",
                       "李记装饰 80.00 100.00 -20.00 0.00 0.00 0.00 0.00",
                       "合计 430.80 130.00 300.80 250.80 0.00 70.00 0.00",
                   }));
  EXPECT_EQ(closings, (std::vector<std::string>{"200.30", "120.50", "-20.00"}));
  EXPECT_EQ(book::test::ReadBytes(csvPath),
            u8"\uFEFF客户,送货合计,收款合计,欠款,0–30 天,31–60 天,61–90 天,90 天以上\r\n"
            u8"东方五金,200.30,0.00,200.30,200.30,0.00,0.00,0.00\r\n"
            u8"华联建材,150.50,30.00,120.50,50.50,0.00,70.00,0.00\r\n"
            u8"李记装饰,80.00,100.00,-20.00,0.00,0.00,0.00,0.00\r\n"
            u8"合计,430.80,130.00,300.80,250.80,0.00,70.00,0.00\r\n");
  DeleteFileA(csvPath.c_str());
}

// Voided in 历史单据 after the question, a note leaves the statement; put back, it is
// listed as before.
TEST_F(ReceivablesProgram, AVoidedNoteLeavesTheStatementWindow) {
  Note("NO.1", "华联建材", "2026-11-05", {"100"});
  Note("NO.2", "华联建材", "2026-11-20", {"30"});
  auto history = [&](bool voiding) {
    Visit visit(Host(), app::kHistoryWindowId, [&](rt::win::LiveWindow& w) {
      grid::win::CGridCtrl& list = GridOf(w, app::kHistoryGridId);
      ASSERT_EQ(list.Model().RowCount(), 3);
      ASSERT_EQ(list.Model().CellText(1, 1), "NO.2");
      ClickRow(list, 1);
      uint32_t button = voiding ? app::kHistoryVoidButtonId : app::kHistoryUnvoidButtonId;
      if (voiding) {
        prompts.answer = [](const host_test::ShownBox&) { return IDNO; };
        Press(w, button);
        EXPECT_EQ(prompts.boxes.back().text, "作废后该单据不再计入对账单和欠款，是否继续？");
        EXPECT_EQ(list.Model().CellText(1, 4), "");
        prompts.answer = [](const host_test::ShownBox&) { return IDYES; };
      }
      Press(w, button);
      prompts.answer = nullptr;
      EXPECT_EQ(list.Model().CellText(1, 4), voiding ? "作废" : "");
      EXPECT_EQ(app::ReadUnitText(app::kHistoryWindowId, app::kHistoryCountLabelId, app::prop::kCaption),
                voiding ? "共 2 张单据（作废 1 张）" : "共 2 张单据");
      Press(w, button);  // the list was read again: no note chosen
      EXPECT_EQ(prompts.boxes.back().text, "请先在列表中选择一张单据");
    });
    Menu(app::kMenuHistoryId);
    EXPECT_TRUE(visit.visited);
  };
  auto statementRows = [&] {
    std::vector<std::string> rows;
    Visit visit(Host(), app::kStatementWindowId, [&](rt::win::LiveWindow& w) {
      SendMessageW(w.FindUnit(app::kStatementCustomerEditId)->hwnd, WM_SETTEXT, 0,
                   LPARAM(rt::win::GbkToWide("华联建材").c_str()));
      app::SetDateBox(app::kStatementWindowId, app::kStatementFromBoxId, rt::MakeDateTime(2026, 11, 1));
      app::SetDateBox(app::kStatementWindowId, app::kStatementToBoxId, rt::MakeDateTime(2026, 11, 30));
      Press(w, app::kStatementQueryButtonId);
      grid::GridModel& sheet = GridOf(w, app::kStatementGridId).Model();
      for (int r = 3; r < sheet.RowCount() - 1; ++r)
        rows.push_back(sheet.CellText(r, 1) + " " + sheet.CellText(r, 6));
    });
    Menu(app::kMenuStatementId);
    EXPECT_TRUE(visit.visited);
    return rows;
  };

  history(true);
  EXPECT_EQ(statementRows(), (std::vector<std::string>{"NO.1 100", " 0.00", " 100.00", " 0.00", " 100.00"}));
  history(false);
  EXPECT_EQ(statementRows(),
            (std::vector<std::string>{"NO.1 100", "NO.2 30", " 0.00", " 130.00", " 0.00", " 130.00"}));
  EXPECT_EQ(prompts.boxes.size(), 4u);
}

}  // namespace
}  // namespace appwin_test
