// The month calendar unit: a child window of the application's window holding the
// month calendar window, reading and writing the unit's properties, and turning the
// grid's notifications into unit events.
#include <cmath>
#include <memory>

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/LunarFormat.h"
#include "calendar/core/LunarNames.h"
#include "calendar/core/MonthCalendarProps.h"
#include "calendar/core/SolarTerms.h"
#include "calendar/win/CalendarLibrary.h"
#include "calendar/win/CalendarNotify.h"
#include "calendar/win/MonthCalendarWindow.h"
#include "runtime/win/CoreControlsBase.h"
#include "runtime/win/CoreLibrary.h"

namespace cal::win {

namespace {

using rt::DataValue;

constexpr wchar_t kUnitClass[] = L"CnMonthCalendar";

// Unit events.
constexpr int kClickedEvent = 0;
constexpr int kHoveredEvent = 1;
constexpr int kSelectionSetEvent = 4;

bool RegisterUnitClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;  // the unit's subclass does the work
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kUnitClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

double EndOfDay(const GregorianDate& d) { return MakeDateTime(d, 23, 59, 59); }

class MonthCalendarUnit final : public rt::win::ControlUnit {
 public:
  MonthCalendarUnit(const rt::win::UnitCreateParams& params, MonthCalendarProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  bool Init() {
    if (!RegisterUnitClass()) return false;
    if (!Create(kUnitClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, std::string(), {})) return false;
    if (!window_.Create(hwnd_)) return false;
    // The stored settings, without notifying: the window is still being built.
    if (props_.selectedDate != 0) {
      DateTimeParts parts;
      if (SplitDateTime(props_.selectedDate, parts) && parts.date.year >= 1901 && parts.date.year <= 2049)
        window_.Select(parts.date, false);
    }
    if (!props_.gregorianLayout) window_.SetLayout(CalendarLayout::kLunar);
    window_.SetBandShown(props_.bandShown);
    window_.SetPattern(props_.pattern);
    FitToWindow();
    return true;
  }

  bool GetProperty(int index, DataValue* out) override {
    const MonthGrid& grid = window_.Calendar().Grid();
    const GregorianDate& date = grid.Selected();
    const LunarDate& lunar = grid.SelectedLunar();
    switch (index) {
      case calprop::kSelectedDate: *out = rt::MakeDateTime(EndOfDay(date)); return true;
      case calprop::kLunarYear: *out = rt::MakeInt(lunar.year); return true;
      case calprop::kLunarMonth: *out = rt::MakeInt(lunar.month); return true;
      case calprop::kLunarDay: *out = rt::MakeInt(lunar.day); return true;
      case calprop::kLeapMonth: *out = rt::MakeLogic(lunar.leap); return true;
      case calprop::kLayout:
        *out = rt::MakeInt(grid.Layout() == CalendarLayout::kGregorian ? 1 : 0);
        return true;
      case calprop::kYearStemBranch: *out = Text(FormatLunarText(EndOfDay(date), "%Y")); return true;
      case calprop::kLunarMonthName: *out = Text(LunarMonthName(lunar.month, lunar.leap)); return true;
      case calprop::kLunarDayName: *out = Text(LunarDayName(lunar.day)); return true;
      case calprop::kZodiac: *out = Text(FormatLunarText(EndOfDay(date), "%S")); return true;
      case calprop::kSolarTerm: *out = Text(SolarTermName(SolarTermOn(date))); return true;
      case calprop::kWeekday: *out = rt::MakeInt(DayOfWeek(date)); return true;
      case calprop::kLunarMonthLength:
        *out = rt::MakeInt(LunarMonthLength(lunar.year, lunar.month, lunar.leap));
        return true;
      case calprop::kLunarYearLength: *out = rt::MakeInt(LunarYearDays(lunar.year)); return true;
      case calprop::kPattern: *out = Text(window_.Pattern()); return true;
      case calprop::kBandShown: *out = rt::MakeLogic(window_.BandShown()); return true;
      default:
        // The unit's remaining properties are unused here: they read as 0.
        if (index < 0 || index > calprop::kBandShown) return false;
        *out = rt::MakeInt(0);
        return true;
    }
  }

  bool SetProperty(int index, const DataValue& value) override {
    LunarDate lunar = window_.Calendar().Grid().SelectedLunar();
    switch (index) {
      case calprop::kSelectedDate: {
        DateTimeParts parts;
        double v = rt::DoubleOf(value);
        if (std::isfinite(v) && SplitDateTime(v, parts) && parts.date.year >= 1901 && parts.date.year <= 2049)
          window_.Select(parts.date, true);
        return true;
      }
      case calprop::kLunarYear: lunar.year = uint16_t(Clamped(rt::win::IntArg(value))); break;
      case calprop::kLunarMonth: lunar.month = uint16_t(Clamped(rt::win::IntArg(value))); break;
      case calprop::kLunarDay: lunar.day = uint16_t(Clamped(rt::win::IntArg(value))); break;
      case calprop::kLeapMonth: lunar.leap = rt::win::LogicArg(value); break;
      case calprop::kLayout:
        window_.SetLayout(rt::win::IntArg(value) == 1 ? CalendarLayout::kGregorian : CalendarLayout::kLunar);
        return true;
      case calprop::kPattern: window_.SetPattern(rt::win::TextArg(value)); return true;
      case calprop::kBandShown:
        window_.SetBandShown(rt::win::LogicArg(value));
        FitToWindow();
        return true;
      default:
        // Read-only and unused properties: a write changes nothing.
        return index >= 0 && index <= calprop::kBandShown;
    }
    window_.SelectLunar(lunar, true);
    return true;
  }

 protected:
  bool OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg != kCalendarNotifyMessage) return false;
    *result = 0;
    switch (wp) {
      case calnotify::kCellClicked: Raise(kClickedEvent); break;
      case calnotify::kSelectionSet: Raise(kSelectionSetEvent); break;
      case calnotify::kCellHovered: {
        LunarDate hovered = GregorianToLunar(UnpackDate(lp)).value_or(LunarDate{});
        rt::EventArgs args;
        args.count = 4;
        args.values[0] = rt::MakeInt(hovered.year);
        args.values[1] = rt::MakeInt(hovered.month);
        args.values[2] = rt::MakeInt(hovered.day);
        args.values[3] = rt::MakeInt(hovered.leap ? 1 : 0);
        if (host_) host_->RaiseEvent(ref_, kHoveredEvent, args);
        break;
      }
      default: break;  // a right click raises nothing
    }
    return true;  // the unit may be gone now: no members from here on
  }

 private:
  // A number outside the 16 bits of a lunar date field can only be rejected.
  static int Clamped(int v) { return v < 0 || v > 0xFFFF ? 0 : v; }
  static DataValue Text(const std::string& gbk) { return rt::win::NewTextValue(gbk); }

  // The unit is as large as the month calendar window it holds.
  void FitToWindow() {
    RECT r;
    GetWindowRect(window_.Hwnd(), &r);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  MonthCalendarProps props_;
  CMonthCalendarWnd window_;
};

std::unique_ptr<rt::win::Unit> CreateMonthCalendar(const rt::win::UnitCreateParams& params) {
  MonthCalendarProps props;
  if (!ReadMonthCalendarProps(params.block, params.blockLength, &props)) return nullptr;
  auto unit = std::make_unique<MonthCalendarUnit>(params, std::move(props));
  if (!unit->Init()) return nullptr;
  return unit;
}

// The common eight, then the unit's own 22 (8 to 29).
constexpr int kPropertyKinds[30] = {
    rt::win::propkind::kInteger,  rt::win::propkind::kInteger, rt::win::propkind::kInteger,
    rt::win::propkind::kInteger,  rt::win::propkind::kText,    rt::win::propkind::kLogic,
    rt::win::propkind::kLogic,    rt::win::propkind::kPointer,
    rt::win::propkind::kDateTime,  // 8 selected date
    rt::win::propkind::kInteger,  rt::win::propkind::kInteger,
    rt::win::propkind::kInteger,  // 9-11 lunar date
    rt::win::propkind::kLogic,    // 12 leap month
    rt::win::propkind::kChoice,   // 13 layout
    rt::win::propkind::kText,     rt::win::propkind::kText,    rt::win::propkind::kText,
    rt::win::propkind::kText,
    rt::win::propkind::kText,  // 14-18 names
    rt::win::propkind::kInteger,  rt::win::propkind::kInteger,
    rt::win::propkind::kInteger,  // 19-21
    rt::win::propkind::kInteger,  rt::win::propkind::kInteger,
    rt::win::propkind::kInteger,  // 22-24 unused
    rt::win::propkind::kText,     // 25 pattern
    rt::win::propkind::kInteger,  rt::win::propkind::kInteger,
    rt::win::propkind::kInteger,  // 26-28 unused
    rt::win::propkind::kLogic,    // 29 band shown
};

const rt::win::UnitTypeInfo kMonthCalendarType = {"农历月历", "CnMonthCalendar", 0x80000040,
                                                  30,         kPropertyKinds,    &CreateMonthCalendar};

}  // namespace

const rt::win::LibraryInfo& CalendarLibrary() {
  static const rt::win::UnitTypeInfo* const types[11] = {
      &rt::win::kEmptyUnitType, &rt::win::kEmptyUnitType, &rt::win::kEmptyUnitType, &rt::win::kEmptyUnitType,
      &rt::win::kEmptyUnitType, &rt::win::kEmptyUnitType, &rt::win::kEmptyUnitType, &rt::win::kEmptyUnitType,
      &rt::win::kEmptyUnitType, &rt::win::kEmptyUnitType, &kMonthCalendarType,
  };
  static const rt::win::LibraryInfo lib = [] {
    rt::win::LibraryInfo l;
    l.name = "lunar calendar";
    l.typeCount = 11;
    l.types = types;
    return l;
  }();
  return lib;
}

}  // namespace cal::win
