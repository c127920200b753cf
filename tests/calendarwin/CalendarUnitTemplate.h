// The template record of a month calendar unit with the given stored settings, at its
// natural size, as the window tests place it.
#pragma once

#include "app/core/LibraryUnitBlocks.h"
#include "runtime/core/WindowTemplate.h"

namespace host_test {

inline rt::UnitTemplate CalendarUnitTemplate(uint32_t id, const app::MonthCalendarProps& props) {
  rt::UnitTemplate u;
  u.id = id;
  u.typeId = rt::tag::kMonthCalendar;
  u.name = "农历月历1";
  u.width = 365;
  u.height = 262;
  u.state = 5;
  u.pointerBlock = {0, 0, 0, 0};
  u.propertyBlock = app::WriteMonthCalendarBlock(props);
  return u;
}

}  // namespace host_test
