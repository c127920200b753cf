// The date box: its date as a date-time, and the coalescing of the picker's change
// reports into event 0.
#include <windows.h>
// (after windows.h, which it needs)
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/core/DateTime.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControls.h"
#include "tests/win/ControlTestWindow.h"

namespace {

using controls_test::TestWindow;
using rt::win::Unit;

constexpr int kDate = 2;  // property 10
constexpr uint32_t kDateBoxId = 0x16010027;

uint64_t g_now = 0;
uint64_t FakeClock() { return g_now; }

class ControlsDateBox : public ::testing::Test {
 protected:
  void SetUp() override {
    g_now = 1000000;
    rt::win::SetDateBoxClock(FakeClock);
  }
  void TearDown() override { rt::win::SetDateBoxClock(nullptr); }

  Unit* AddDateBox(uint32_t id, RECT rect = {424, 0, 560, 24}) {
    return window.Add(rt::win::kDateBoxType, id, rt::WriteDateBoxProps(), rect);
  }

  // What the picker sends its parent when the user changes the date.
  void Report(Unit* box) {
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = box->Hwnd();
    change.nmhdr.idFrom = UINT_PTR(GetDlgCtrlID(box->Hwnd()));
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    SendMessageW(window.hwnd, WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
  }

  static double Date(Unit* box) {
    rt::DataValue v;
    EXPECT_TRUE(box->GetProperty(kDate, &v));
    EXPECT_EQ(v.type, rt::tag::kDateTime);
    return rt::DoubleOf(v);
  }

  TestWindow window;
};

TEST_F(ControlsDateBox, StartsAtTodayAndRoundTripsDateTimes) {
  Unit* box = AddDateBox(kDateBoxId);
  ASSERT_NE(box, nullptr);
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(Date(box), rt::MakeDateTime(now.wYear, now.wMonth, now.wDay));

  const double leapDay = rt::MakeDateTime(2024, 2, 29, 8, 30, 0);
  ASSERT_TRUE(box->SetProperty(kDate, rt::MakeDateTime(leapDay)));
  EXPECT_DOUBLE_EQ(Date(box), leapDay);
  SYSTEMTIME shown{};
  SendMessageW(box->Hwnd(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown.wYear, 2024);
  EXPECT_EQ(shown.wMonth, 2);
  EXPECT_EQ(shown.wDay, 29);

  // Far out of range values are clamped, never refused; not-a-number changes nothing.
  ASSERT_TRUE(box->SetProperty(kDate, rt::MakeDateTime(1e12)));
  EXPECT_DOUBLE_EQ(Date(box), rt::MakeDateTime(9999, 12, 31));
  ASSERT_TRUE(box->SetProperty(kDate, rt::MakeDateTime(std::nan(""))));
  EXPECT_DOUBLE_EQ(Date(box), rt::MakeDateTime(9999, 12, 31));

  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(kDateBoxId), 0) << "writing the date is no user change";
}

TEST_F(ControlsDateBox, ReportsWithinHundredMillisecondsRaiseOneEvent) {
  Unit* box = AddDateBox(kDateBoxId);
  ASSERT_NE(box, nullptr);
  // The picker reports twice for one pick: both are handled at the same moment.
  Report(box);
  Report(box);
  EXPECT_EQ(window.host.Count(kDateBoxId), 0) << "reports are queued, not raised at once";
  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(kDateBoxId), 1);

  g_now += 50;  // within 100 ms of the previous handled report
  Report(box);
  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(kDateBoxId), 1);

  g_now += 100;  // exactly 100 ms after the last one, which restarted the wait
  Report(box);
  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(kDateBoxId), 1);

  g_now += 101;
  Report(box);
  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(kDateBoxId), 2);
}

TEST_F(ControlsDateBox, NoReportIsRaisedWhileADateBoxEventRuns) {
  Unit* first = AddDateBox(1, {8, 8, 140, 32});
  Unit* second = AddDateBox(2, {8, 40, 140, 64});
  ASSERT_TRUE(first && second);
  // The first box's handler changes the second box and runs a message loop, as a
  // handler that opens a modal window does.
  window.host.onEvent = [&](rt::UnitRef ref, int) {
    if (ref.unit != 1) return;
    Report(second);
    TestWindow::Pump();
  };
  Report(first);
  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(1), 1);
  EXPECT_EQ(window.host.Count(2), 0);

  window.host.onEvent = nullptr;
  g_now += 500;
  Report(second);
  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(2), 1);
}

TEST_F(ControlsDateBox, ReportsQueuedForADestroyedBoxAreDropped) {
  Unit* box = AddDateBox(kDateBoxId);
  ASSERT_NE(box, nullptr);
  Report(box);
  window.Remove(box);
  TestWindow::Pump();
  EXPECT_EQ(window.host.Count(kDateBoxId), 0);
}

TEST_F(ControlsDateBox, KeyboardChangeInThePickerRaisesTheEvent) {
  Unit* box = AddDateBox(kDateBoxId);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(box->SetProperty(kDate, rt::MakeDateTime(rt::MakeDateTime(2020, 5, 10))));
  SetFocus(box->Hwnd());
  for (WPARAM key : {VK_RIGHT, VK_UP}) {
    SendMessageW(box->Hwnd(), WM_KEYDOWN, key, 0);
    SendMessageW(box->Hwnd(), WM_KEYUP, key, 0);
  }
  TestWindow::Pump();
  EXPECT_NE(Date(box), rt::MakeDateTime(2020, 5, 10));
  EXPECT_EQ(window.host.Count(kDateBoxId), 1);
}

TEST(ControlsDateChangeGate, FirstReportPassesAndEachReportRestartsTheWait) {
  rt::win::DateChangeGate gate;
  EXPECT_TRUE(gate.Admit(0, false));
  EXPECT_FALSE(gate.Admit(100, false));
  EXPECT_FALSE(gate.Admit(200, false));  // 100 after the previous, not more
  EXPECT_TRUE(gate.Admit(301, false));
  EXPECT_FALSE(gate.Admit(1000, true));  // an event is running
  EXPECT_FALSE(gate.Admit(1050, false)) << "the dropped report restarted the wait";
}

}  // namespace
