// The day grid control on its own: its window, the notifications of mouse and
// selection, and what it paints.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/core/MonthGridGeometry.h"
#include "calendar/win/Calendar.h"
#include "calendar/win/CalendarNotify.h"
#include "calendar/win/CalendarPainter.h"
#include "calendar/win/DrawingContext.h"

namespace cal::win {
namespace {

struct Notification {
  WPARAM code;
  GregorianDate date;
};
std::vector<Notification> g_notes;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kCalendarNotifyMessage) {
    g_notes.push_back({wp, UnpackDate(lp)});
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND MakeOwner() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CalendarTestOwner";
    return RegisterClassW(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return CreateWindowExW(0, L"CalendarTestOwner", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

GregorianDate Date(int y, int m, int d) { return GregorianDate{uint16_t(y), uint16_t(m), uint16_t(d)}; }

LPARAM CentreOf(int cell) {
  PixelRect r = CellRect(cell);
  return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

std::vector<WPARAM> Codes() {
  std::vector<WPARAM> codes;
  for (const Notification& n : g_notes) codes.push_back(n.code);
  return codes;
}

class CalendarControl : public ::testing::Test {
 protected:
  void SetUp() override {
    g_notes.clear();
    owner_ = MakeOwner();
    ASSERT_TRUE(owner_);
    ASSERT_TRUE(calendar_.Create(owner_, 0, 0, 2046, owner_));
    // February 2011 starts on a Tuesday: cell 0 is 31 January, cell 4 is 4 February.
    ASSERT_TRUE(calendar_.SetSelected(Date(2011, 2, 10), false));
    Pump();
    g_notes.clear();
  }
  void TearDown() override { DestroyWindow(owner_); }

  HWND owner_ = nullptr;
  CCalendar calendar_;
};

TEST_F(CalendarControl, WindowOfItsOwnClass) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"CCalendar", &wc));
  EXPECT_EQ(wc.style, 0x82Bu);
  EXPECT_EQ(wc.hbrBackground, nullptr);
  HWND hwnd = calendar_.Hwnd();
  EXPECT_EQ(DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)) & 0x54010000u, 0x54010000u);
  EXPECT_EQ(GetDlgCtrlID(hwnd), 2046);
  RECT r;
  GetClientRect(hwnd, &r);
  EXPECT_EQ(r.right, 365);
  EXPECT_EQ(r.bottom, 232);
}

TEST_F(CalendarControl, HoverClickAndRightClickNotifyTheOwner) {
  HWND hwnd = calendar_.Hwnd();
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, CentreOf(4));
  EXPECT_EQ(calendar_.HotCell(), 4);
  EXPECT_EQ(calendar_.HoverText(), "辛卯年(兔)正月初二 2011-2-4");
  ASSERT_EQ(g_notes.size(), 1u);
  EXPECT_EQ(g_notes[0].code, calnotify::kCellHovered);
  EXPECT_EQ(g_notes[0].date, Date(2011, 2, 4));
  // Within the same cell nothing more happens.
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, CentreOf(4) + 3);
  EXPECT_EQ(g_notes.size(), 1u);
  // A day of another month is never hot.
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, CentreOf(0));
  EXPECT_EQ(calendar_.HotCell(), -1);
  EXPECT_EQ(calendar_.HoverText(), "");
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, CentreOf(5));
  EXPECT_EQ(calendar_.HotCell(), 5);
  SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(calendar_.HotCell(), -1);
  EXPECT_EQ(calendar_.HoverText(), "");
  g_notes.clear();

  // A click selects (posting 3, even for the date already selected) and then posts 1.
  SendMessageW(hwnd, WM_LBUTTONUP, 0, CentreOf(10));
  Pump();
  EXPECT_EQ(Codes(), (std::vector<WPARAM>{calnotify::kSelectionSet, calnotify::kCellClicked}));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, CentreOf(4));
  EXPECT_EQ(calendar_.Grid().Selected(), Date(2011, 2, 4));
  // Days of other months and points outside the cells do nothing.
  SendMessageW(hwnd, WM_LBUTTONUP, 0, CentreOf(0));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
  SendMessageW(hwnd, WM_RBUTTONUP, 0, CentreOf(0));
  Pump();
  EXPECT_EQ(g_notes.size(), 4u);
  EXPECT_EQ(calendar_.Grid().Selected(), Date(2011, 2, 4));
  g_notes.clear();

  SendMessageW(hwnd, WM_RBUTTONUP, 0, CentreOf(20));
  ASSERT_EQ(g_notes.size(), 1u);
  EXPECT_EQ(g_notes[0].code, calnotify::kCellRightClicked);
  EXPECT_EQ(g_notes[0].date, Date(2011, 2, 20));
  EXPECT_EQ(calendar_.Grid().Selected(), Date(2011, 2, 4));
}

TEST_F(CalendarControl, SelectionNotifiesOnlyWhenAsked) {
  EXPECT_TRUE(calendar_.SetSelected(Date(2011, 3, 1), false));
  Pump();
  EXPECT_TRUE(g_notes.empty());
  EXPECT_TRUE(calendar_.SetSelected(Date(2011, 3, 1), true));
  EXPECT_FALSE(calendar_.SetSelected(Date(1901, 2, 18), true));
  EXPECT_FALSE(calendar_.SetSelected(Date(2049, 1, 1), true));
  Pump();
  EXPECT_EQ(Codes(), std::vector<WPARAM>{calnotify::kSelectionSet});
  EXPECT_EQ(calendar_.Grid().Selected(), Date(2011, 3, 1));
}

//--- Painting ------------------------------------------------------------------------

std::vector<std::string> g_trace;
void RecordTrace(const std::string& line) { g_trace.push_back(line); }

struct Canvas {
  Canvas() {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, kGridWidth, kGridHeight);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
  bool HasColorIn(const PixelRect& r, COLORREF c) const {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (At(x, y) == c) return true;
    return false;
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

TEST(CalendarPainting, ColoursByCellStateAndBalancedObjects) {
  MonthGrid grid;
  grid.Select(Date(2011, 2, 10), false);
  Canvas canvas;
  g_trace.clear();
  CalendarTraceFn previous = SetCalendarTrace(&RecordTrace);
  {
    DrawingContext dc(canvas.dc);
    PaintCalendar(dc, grid, 4, CalendarTexts{grid.TermsText(), "x"});
  }
  SetCalendarTrace(previous);

  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 255));         // band border
  EXPECT_EQ(canvas.At(2, 2), RGB(41, 109, 181));      // week band
  EXPECT_EQ(canvas.At(52, 30), RGB(0, 0, 255));       // a grid line
  EXPECT_EQ(canvas.At(2, 22), RGB(211, 217, 214));    // 31 January, another month
  EXPECT_EQ(canvas.At(54, 22), RGB(255, 250, 194));   // 1 February
  EXPECT_EQ(canvas.At(158, 54), RGB(143, 235, 119));  // the selected 10 February
  EXPECT_EQ(canvas.At(210, 22), RGB(0, 0, 255));      // the hot 4 February
  EXPECT_EQ(canvas.At(2, 215), RGB(41, 109, 181));    // status band
  // The texts: the lunar day in red at the top, the number in black at the bottom.
  PixelRect feb1 = CellRect(1);
  EXPECT_TRUE(canvas.HasColorIn(PixelRect{feb1.left + 1, feb1.top + 1, feb1.right - 1, feb1.top + 16},
                                RGB(255, 0, 0)));
  EXPECT_TRUE(canvas.HasColorIn(PixelRect{feb1.left + 1, feb1.top + 17, feb1.right - 1, feb1.bottom - 1},
                                RGB(0, 0, 0)));
  PixelRect hot = CellRect(4);
  EXPECT_TRUE(
      canvas.HasColorIn(PixelRect{hot.left + 1, hot.top + 1, hot.right - 1, hot.top + 16}, RGB(0, 255, 255)));
  PixelRect saturday = PixelRect{5 * kCellWidth, 0, 6 * kCellWidth, kBandHeight};
  EXPECT_TRUE(canvas.HasColorIn(saturday, RGB(2, 253, 229)));

  // Every pen, brush and font made is deleted, and the last line says so.
  ASSERT_FALSE(g_trace.empty());
  EXPECT_EQ(g_trace.front(), "+ Create font No.1");
  EXPECT_EQ(g_trace.back(), "After RemoveDC(), pen counter: 0, bursh counter: 0, font counter: 0 \n");
  int created = 0, deleted = 0;
  for (const std::string& line : g_trace) {
    created += line.rfind("+ Create", 0) == 0;
    deleted += line.rfind("- Delete", 0) == 0;
    EXPECT_EQ(line.find("!!!"), std::string::npos) << line;
  }
  EXPECT_EQ(created, deleted);
  // A replacement pen is made before the one it replaces goes.
  auto made = std::find(g_trace.begin(), g_trace.end(), "+ Create pen No.2");
  ASSERT_NE(made, g_trace.end());
  EXPECT_NE(std::find(made, g_trace.end(), "- Delete pen No.2"), g_trace.end());
}

}  // namespace
}  // namespace cal::win
