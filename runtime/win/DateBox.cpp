// The date box: a platform date-time picker holding a date-time (days since
// 30 December 1899). The picker's change reports are queued to the control itself and
// coalesced by DateChangeGate before event 0 is raised.
#include <windows.h>
// (after windows.h, which it needs)
#include <commctrl.h>

#include <cmath>

#include "runtime/core/DateTime.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

enum DateProp { kMinimum = 0, kMaximum, kDate, kFont, kFormat };

// The platform picker takes no date before 1 January 1753 unless given a range.
constexpr int kPickerFirstYear = 1753;

MillisecondClock g_clock = nullptr;
int g_runningEvents = 0;  // date-box events being delivered, for every date box

uint64_t NowMs() { return g_clock ? g_clock() : uint64_t(GetTickCount64()); }

UINT ReportMessage() {
  static UINT message = RegisterWindowMessageW(L"RtDateBoxChangeReport");
  return message;
}

//--- Date-time <-> SYSTEMTIME ----------------------------------------------------------

SYSTEMTIME SystemTimeOf(double value) {
  DateTimeParts p = SplitDateTime(value);
  SYSTEMTIME st{};
  st.wYear = WORD(p.year);
  st.wMonth = WORD(p.month);
  st.wDay = WORD(p.day);
  st.wHour = WORD(p.hour);
  st.wMinute = WORD(p.minute);
  st.wSecond = WORD(p.second);
  return st;
}

double DateTimeOf(const SYSTEMTIME& st) {
  return MakeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

//--- The unit ---------------------------------------------------------------------------

class DateBoxUnit final : public ControlUnit {
 public:
  explicit DateBoxUnit(const UnitCreateParams& params) : ControlUnit(params) {}

  bool Init() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    if (!Create(DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT, 0, std::string(), {})) return false;
    SYSTEMTIME today;
    GetLocalTime(&today);
    today.wHour = today.wMinute = today.wSecond = today.wMilliseconds = 0;
    SetDate(today);
    return true;
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    if (ownIndex != kDate) return false;
    SYSTEMTIME st{};
    if (!hwnd_ || SendMessageW(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) {
      *out = MakeDateTime(0);
      return true;
    }
    *out = MakeDateTime(DateTimeOf(st));
    return true;
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    if (ownIndex != kDate) return false;
    double v = DoubleOf(value);
    if (std::isnan(v)) return true;  // not a date: nothing changes
    SetDate(SystemTimeOf(v));
    return true;
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg != WM_NOTIFY) return false;
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
    if (!header || header->code != UINT(DTN_DATETIMECHANGE)) return false;
    *result = 0;
    if (!settingDate_ && hwnd_) PostMessageW(hwnd_, ReportMessage(), 0, 0);
    return true;
  }

 protected:
  bool OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg != ReportMessage()) return false;
    *result = 0;
    if (!gate_.Admit(NowMs(), g_runningEvents > 0)) return true;
    ++g_runningEvents;
    Raise(0);  // the unit may be gone afterwards
    --g_runningEvents;
    return true;
  }

 private:
  // Writes a date without reporting it as a change. Dates before the picker's
  // earliest one become that date.
  void SetDate(SYSTEMTIME st) {
    if (!hwnd_) return;
    settingDate_ = true;
    if (!SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st))) {
      SYSTEMTIME range[2] = {};
      DWORD flags = DWORD(SendMessageW(hwnd_, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)));
      SYSTEMTIME earliest = range[0];
      if (!(flags & GDTR_MIN)) earliest = SystemTimeOf(MakeDateTime(kPickerFirstYear, 1, 1));
      if (DateTimeOf(st) < DateTimeOf(earliest)) {
        SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&earliest));
      }
    }
    settingDate_ = false;
  }

  DateChangeGate gate_;
  bool settingDate_ = false;
};

}  // namespace

void SetDateBoxClock(MillisecondClock clock) { g_clock = clock; }

std::unique_ptr<Unit> CreateDateBox(const UnitCreateParams& params) {
  if (!ReadDateBoxProps(params.block, params.blockLength)) return nullptr;
  auto unit = std::make_unique<DateBoxUnit>(params);
  if (!unit->Init()) return nullptr;
  return unit;
}

}  // namespace rt::win
