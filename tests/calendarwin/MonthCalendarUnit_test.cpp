// The month calendar unit in a window built by the host: its stored settings, its
// properties, the band and lists of the month calendar window, and its events.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>

#include "app/core/LibraryUnitBlocks.h"
#include "calendar/core/DateTimeParts.h"
#include "calendar/core/MonthGridGeometry.h"
#include "calendar/win/CalendarNotify.h"
#include "resources/CalendarResource.h"
#include "runtime/win/Gbk.h"
#include "tests/calendarwin/CalendarUnitTemplate.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

constexpr uint32_t kWin = 0x52000500, kWinUnit = 0x06000501, kCal = 0x16000502;
constexpr int kClickHandler = 1, kHoverHandler = 2, kSelectionHandler = 3;

// Property indices of the unit.
enum Prop {
  kDate = 8,
  kLunarYear,
  kLunarMonth,
  kLunarDay,
  kLeap,
  kLayout,
  kStemBranch,
  kMonthName,
  kDayName,
  kZodiac,
  kTerm,
  kWeekday,
  kMonthLength,
  kYearLength,
  kPattern = 25,
  kBand = 29
};

double Day(int y, int m, int d) {
  return cal::MakeDateTime(cal::GregorianDate{uint16_t(y), uint16_t(m), uint16_t(d)}, 0, 0, 0);
}

rt::UnitTemplate CalendarUnit(const app::MonthCalendarProps& props) {
  rt::UnitTemplate u = CalendarUnitTemplate(kCal, props);
  Bind(u, 0, kClickHandler);
  Bind(u, 1, kHoverHandler);
  Bind(u, 4, kSelectionHandler);
  return u;
}

class MonthCalendarUnit : public ::testing::Test {
 protected:
  void Load(const app::MonthCalendarProps& props) {
    program_.templates.windows = {Window(kWin, {WindowUnit(kWinUnit, "月历"), CalendarUnit(props)})};
    program_.Boot();
    ASSERT_TRUE(Host().LoadWindowFromTemplate(kWin, nullptr, false));
    unit_ = Host().FindLoadedWindow(kWin)->FindUnit(kCal)->hwnd;
    ASSERT_TRUE(unit_);
    month_ = GetWindow(unit_, GW_CHILD);
    grid_ = GetDlgItem(month_, CNCALENDAR_IDC_CALENDAR);
    ASSERT_TRUE(grid_);
    Settle();
  }
  void Settle() {
    PumpFor(
        Host(), [] { return false; }, 50);
  }
  rt::win::RuntimeHost& Host() { return program_.Host(); }
  uint64_t Get(int index) { return Host().GetUnitProperty(kWin, kCal, index, -1); }
  std::string GetText(int index) { return ReadText(Get(index)); }
  void Set(int index, uint64_t words) {
    Host().SetUnitProperty(kWin, kCal, index, -1, uint32_t(words), uint32_t(words >> 32));
  }
  void SetDate(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    Set(kDate, bits);
  }
  double GetDate() {
    uint64_t bits = Get(kDate);
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
  }
  std::string ListText(int id) {
    HWND list = GetDlgItem(month_, id);
    int i = int(SendMessageW(list, CB_GETCURSEL, 0, 0));
    if (i < 0) return "";
    wchar_t buf[64] = {};
    SendMessageW(list, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(buf));
    return rt::win::WideToGbk(buf);
  }
  void Choose(int id, int index) {
    HWND list = GetDlgItem(month_, id);
    SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0);
    SendMessageW(month_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  }
  RECT Placed(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  TestProgram program_;
  HWND unit_ = nullptr, month_ = nullptr, grid_ = nullptr;
};

TEST_F(MonthCalendarUnit, PropertiesOfTheSelectedDay) {
  Load(app::MonthCalendarProps{});
  SetDate(Day(2011, 2, 4) + 0.25);
  EXPECT_EQ(GetDate(), cal::MakeDateTime({2011, 2, 4}, 23, 59, 59));
  EXPECT_EQ(Get(kLunarYear), 2011u);
  EXPECT_EQ(Get(kLunarMonth), 1u);
  EXPECT_EQ(Get(kLunarDay), 2u);
  EXPECT_EQ(Get(kLeap), 0u);
  EXPECT_EQ(Get(kLayout), 1u);
  EXPECT_EQ(GetText(kStemBranch), "辛卯");
  EXPECT_EQ(GetText(kMonthName), "正月");
  EXPECT_EQ(GetText(kDayName), "初二");
  EXPECT_EQ(GetText(kZodiac), "兔");
  EXPECT_EQ(GetText(kTerm), "立春");
  EXPECT_EQ(Get(kWeekday), 5u);
  EXPECT_EQ(Get(kMonthLength), 30u);
  EXPECT_EQ(Get(kYearLength), 354u);
  EXPECT_EQ(Get(22), 0u);  // unused properties read as 0
  EXPECT_EQ(ListText(CNCALENDAR_IDC_YEARLIST), "公历 2011 年");
  EXPECT_EQ(ListText(CNCALENDAR_IDC_MONTHLIST), "二月");

  // Dates outside 1901 to 2049, or before the tables begin, are ignored.
  for (double bad : {Day(1900, 12, 31), Day(2050, 1, 1), Day(1901, 2, 18), Day(2049, 3, 1)}) SetDate(bad);
  EXPECT_EQ(Get(kLunarDay), 2u);
  EXPECT_EQ(GetText(kTerm), "立春");
  // Lunar fields select the lunar date: the leap fourth month of 2012.
  Set(kLunarYear, 2012);
  Set(kLunarMonth, 4);
  Set(kLeap, 1);
  EXPECT_EQ(GetDate(), cal::MakeDateTime({2012, 5, 22}, 23, 59, 59));
  EXPECT_EQ(GetText(kMonthName), "闰四月");
  EXPECT_EQ(Get(kMonthLength), 29u);
  EXPECT_EQ(Get(kYearLength), 384u);
  Set(kLunarDay, 30);  // the leap month has 29 days: refused
  EXPECT_EQ(Get(kLunarDay), 2u);
}

TEST_F(MonthCalendarUnit, LunarLayoutListsAndLeapMonth) {
  app::MonthCalendarProps props;
  props.selectedDate = Day(2012, 5, 21);
  props.gregorianLayout = false;
  props.pattern = "%y年%M%D";
  Load(props);
  EXPECT_EQ(Get(kLayout), 0u);
  EXPECT_EQ(GetText(kPattern), "%y年%M%D");
  EXPECT_EQ(ListText(CNCALENDAR_IDC_YEARLIST), "壬辰(龙)-2012");
  EXPECT_EQ(ListText(CNCALENDAR_IDC_MONTHLIST), "闰四月");
  EXPECT_EQ(SendMessageW(GetDlgItem(month_, CNCALENDAR_IDC_MONTHLIST), CB_GETCOUNT, 0, 0), 13);

  // Choosing 五月, then the year 2013 (no leap month): the month item stays.
  Choose(CNCALENDAR_IDC_MONTHLIST, 5);
  EXPECT_EQ(GetText(kMonthName), "五月");
  Choose(CNCALENDAR_IDC_YEARLIST, 2013 - 1902);
  EXPECT_EQ(Get(kLunarYear), 2013u);
  EXPECT_EQ(GetText(kMonthName), "六月");
  EXPECT_EQ(ListText(CNCALENDAR_IDC_MONTHLIST), "六月");
  EXPECT_EQ(SendMessageW(GetDlgItem(month_, CNCALENDAR_IDC_MONTHLIST), CB_GETCOUNT, 0, 0), 12);

  // Back to Gregorian layout: the lists follow.
  Set(kLayout, 1);
  EXPECT_EQ(ListText(CNCALENDAR_IDC_YEARLIST), "公历 2013 年");
  Set(kPattern, rt::Bits64(Text("")));
  EXPECT_EQ(GetText(kPattern), "");
}

TEST_F(MonthCalendarUnit, HidingTheBandShrinksTheWindow) {
  Load(app::MonthCalendarProps{});
  EXPECT_EQ(Get(kBand), 1u);
  EXPECT_EQ(Get(3), 262u);
  EXPECT_EQ(Placed(grid_).top, 30);
  Set(kBand, 0);
  EXPECT_EQ(Get(kBand), 0u);
  EXPECT_EQ(Get(3), 232u);
  EXPECT_EQ(Get(2), 365u);
  EXPECT_EQ(Placed(grid_).top, 0);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(month_, CNCALENDAR_IDC_YEARLIST)) ||
               (GetWindowLongPtrW(GetDlgItem(month_, CNCALENDAR_IDC_YEARLIST), GWL_STYLE) & WS_VISIBLE));
  Set(kBand, 1);
  EXPECT_EQ(Get(3), 262u);
  EXPECT_EQ(Placed(grid_).top, 30);
}

TEST_F(MonthCalendarUnit, NotificationsBecomeEvents) {
  app::MonthCalendarProps props;
  props.selectedDate = Day(2012, 5, 10);
  Load(props);
  Log().calls.clear();
  // 21 May 2012 (lunar leap 4-1) is cell 21 of May 2012, which starts on a Tuesday.
  cal::PixelRect r = cal::CellRect(21);
  LPARAM centre = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(grid_, WM_MOUSEMOVE, 0, centre);
  ASSERT_EQ(Log().Handlers(), std::vector<int>{kHoverHandler});
  const rt::EventArgs& args = Log().calls[0].args;
  ASSERT_EQ(args.count, 4);
  EXPECT_EQ(args.values[0].low, 2012u);
  EXPECT_EQ(args.values[1].low, 4u);
  EXPECT_EQ(args.values[2].low, 1u);
  EXPECT_EQ(args.values[3].low, 1u);

  Log().calls.clear();
  SendMessageW(grid_, WM_LBUTTONUP, 0, centre);
  SendMessageW(grid_, WM_RBUTTONUP, 0, centre);  // raises nothing
  Settle();
  EXPECT_EQ(Log().Handlers(), (std::vector<int>{kSelectionHandler, kClickHandler}));
  EXPECT_EQ(GetDate(), cal::MakeDateTime({2012, 5, 21}, 23, 59, 59));

  // A property write raises the selection event once it is handled.
  Log().calls.clear();
  SetDate(Day(2012, 6, 1));
  Settle();
  EXPECT_EQ(Log().Handlers(), std::vector<int>{kSelectionHandler});
}

TEST_F(MonthCalendarUnit, AHandlerMayCloseTheWindowFromAnEvent) {
  Load(app::MonthCalendarProps{});
  Log().behaviour[kHoverHandler] = [this](const rt::EventArgs&) {
    Host().CloseLiveWindow(Host().FindLoadedWindow(kWin), true);
    return rt::HandlerResult::None();
  };
  cal::PixelRect r = cal::CellRect(17);
  SendMessageW(grid_, WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 5, r.top + 5));
  Settle();
  EXPECT_FALSE(Host().FindLoadedWindow(kWin));
  EXPECT_FALSE(IsWindow(grid_));
  EXPECT_EQ(Log().Count(kHoverHandler), 1);
}

}  // namespace
}  // namespace host_test
