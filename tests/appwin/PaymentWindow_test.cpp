// 收款登记 through the real program: payments typed into the window and recorded with
// its button, a refused amount, and one deleted after the question, seen in the
// window's list and in the book.
#include <windows.h>

#include <ctime>
#include <functional>

#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/win/Gbk.h"
#include "tests/appwin/NoteProgramTestSupport.h"

namespace appwin_test {
namespace {

std::string Today() {
  std::time_t now = std::time(nullptr);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", std::localtime(&now));
  return text;
}

class PaymentProgram : public BookProgram {
 protected:
  PaymentProgram() : BookProgram("收款测试.db") {}
};

// While the payments window is open (modal), `body` runs on it from a timer.
struct PaymentVisit {
  static PaymentVisit* current;
  rt::win::RuntimeHost* host;
  std::function<void(rt::win::LiveWindow& window)> body;
  bool visited = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    PaymentVisit& v = *current;
    auto w = v.host->FindLoadedWindow(app::kPaymentWindowId);
    if (!w || !w->hwnd) return;
    KillTimer(nullptr, id);
    v.visited = true;
    v.body(*w);
    if (v.host->FindLoadedWindow(app::kPaymentWindowId)) PostMessageW(w->hwnd, WM_CLOSE, 0, 0);
  }
};
PaymentVisit* PaymentVisit::current = nullptr;

TEST_F(PaymentProgram, TwoRecordedOneRefusedOneDeleted) {
  PaymentVisit visit{
      &Host(), [&](rt::win::LiveWindow& w) {
        auto unit = [&](uint32_t id) { return w.FindUnit(id)->hwnd; };
        auto type = [&](uint32_t id, const wchar_t* text) {
          SendMessageW(unit(id), WM_SETTEXT, 0, LPARAM(text));
        };
        auto press = [&](uint32_t id) { SendMessageW(unit(id), BM_CLICK, 0, 0); };
        grid::win::CGridCtrl& list = *grid::win::CGridCtrl::FromHwnd(unit(app::kPaymentGridId));
        auto rows = [&] {
          std::vector<std::string> out;
          for (int r = 1; r < list.Model().RowCount(); ++r)
            out.push_back(list.Model().CellText(r, 0) + " " + list.Model().CellText(r, 1) + " " +
                          list.Model().CellText(r, 2));
          return out;
        };

        type(app::kPaymentCustomerEditId, L"华联建材");
        type(app::kPaymentAmountEditId, L"300");
        type(app::kPaymentRemarkEditId, L"转账");
        press(app::kRecordPaymentButtonId);
        type(app::kPaymentAmountEditId, L"200");
        press(app::kRecordPaymentButtonId);
        EXPECT_TRUE(prompts.boxes.empty());
        type(app::kPaymentAmountEditId, L"12.345");
        press(app::kRecordPaymentButtonId);
        ASSERT_EQ(prompts.boxes.size(), 1u);
        EXPECT_EQ(prompts.boxes[0].text, "收款金额最多两位小数");
        ASSERT_EQ(rows(), (std::vector<std::string>{Today() + " 300.00 转账", Today() + " 200.00 "}));

        // The second row chosen with the mouse: 否 keeps it, 是 deletes it.
        RECT r = list.CellRect(2, 1);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(list.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list.Hwnd(), WM_LBUTTONUP, 0, at);
        prompts.answer = [](const host_test::ShownBox&) { return IDNO; };
        press(app::kDeletePaymentButtonId);
        EXPECT_EQ(prompts.boxes.back().text, "确定删除这笔收款吗？");
        EXPECT_EQ(rows().size(), 2u);
        prompts.answer = [](const host_test::ShownBox&) { return IDYES; };
        press(app::kDeletePaymentButtonId);
        EXPECT_EQ(rows(), std::vector<std::string>{Today() + " 300.00 转账"});
        press(app::kClosePaymentsButtonId);
      }};
  PaymentVisit::current = &visit;
  SetTimer(nullptr, 0, 100, &PaymentVisit::Tick);
  Menu(app::kMenuPaymentsId);
  PaymentVisit::current = nullptr;
  EXPECT_TRUE(visit.visited);
  EXPECT_EQ(Host().FindLoadedWindow(app::kPaymentWindowId), nullptr) << "关闭 closes it";
  EXPECT_EQ(prompts.boxes.size(), 3u);

  std::string why;
  std::vector<book::Payment> kept = app::OpenNoteBook(&why)->Payments("华联建材").value;
  ASSERT_EQ(kept.size(), 1u) << why;
  EXPECT_EQ(kept[0].amount, 300 * book::kMoneyScale);
  EXPECT_EQ(kept[0].remark, "转账");
  EXPECT_EQ(kept[0].date, Today());
}

}  // namespace
}  // namespace appwin_test
