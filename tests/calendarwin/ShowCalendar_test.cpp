// Not run with the suite: shows the month calendar in both layouts for a while, so it
// can be looked at and screenshot (--gtest_also_run_disabled_tests
// --gtest_filter=*ShowBothLayouts; CALENDAR_SHOW_MS sets how long, default 10 s).
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/core/LibraryUnitBlocks.h"
#include "calendar/core/DateTimeParts.h"
#include "calendar/core/MonthGridGeometry.h"
#include "resources/CalendarResource.h"
#include "tests/calendarwin/CalendarUnitTemplate.h"
#include "tests/win/HostTestSupport.h"

namespace host_test {
namespace {

rt::UnitTemplate CalendarAt(uint32_t id, bool gregorian) {
  app::MonthCalendarProps props;
  props.selectedDate = cal::MakeDateTime({2012, 5, 23}, 0, 0, 0);
  props.gregorianLayout = gregorian;
  return CalendarUnitTemplate(id, props);
}

rt::UnitTemplate ShownWindow(uint32_t id, int left) {
  rt::UnitTemplate w = WindowUnit(id, "", true);
  w.left = left;
  w.top = 40;
  w.width = 369;
  w.height = 293;
  return w;
}

TEST(ShowCalendar, DISABLED_ShowBothLayouts) {
  TestProgram program;
  program.templates.windows = {
      Window(0x52000601, {ShownWindow(0x06000602, 20), CalendarAt(0x16000603, true)}),
      Window(0x52000611, {ShownWindow(0x06000612, 420), CalendarAt(0x16000613, false)}),
  };
  program.Boot();
  ASSERT_TRUE(program.Host().LoadWindowFromTemplate(0x52000601, nullptr, false));
  ASSERT_TRUE(program.Host().LoadWindowFromTemplate(0x52000611, nullptr, false));
  // The mouse over 27 May (a Sunday) in the lunar one, so its hot cell shows.
  HWND unit = program.Host().FindLoadedWindow(0x52000611)->FindUnit(0x16000613)->hwnd;
  HWND grid = GetDlgItem(GetWindow(unit, GW_CHILD), CNCALENDAR_IDC_CALENDAR);
  cal::PixelRect cell = cal::CellRect(6);
  POINT p{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  ClientToScreen(grid, &p);
  SetCursorPos(p.x, p.y);
  const char* ms = std::getenv("CALENDAR_SHOW_MS");
  PumpFor(
      program.Host(), [] { return false; }, ms ? DWORD(std::atoi(ms)) : 10000);
}

}  // namespace
}  // namespace host_test
