// The core library's control kinds: their type information (for the host's table of
// unit types) and the extra operations the host's commands need from some of them.
#pragma once

#include <functional>
#include <string>

#include "runtime/win/Unit.h"

namespace rt::win {

// Type information, flags and property counts as the core library lists them; each
// entry's factory creates the control from its template.
extern const UnitTypeInfo kEditBoxType;       // type 5
extern const UnitTypeInfo kGroupBoxType;      // type 9
extern const UnitTypeInfo kLabelType;         // type 10
extern const UnitTypeInfo kButtonType;        // type 11
extern const UnitTypeInfo kCheckBoxType;      // type 12
extern const UnitTypeInfo kRadioBoxType;      // type 13
extern const UnitTypeInfo kDateBoxType;       // type 23
extern const UnitTypeInfo kCommonDialogType;  // type 31

// Shows a common dialog unit's open or save dialog owned by `owner`; true when the user
// confirmed (the chosen name is then the unit's file-name property).
bool ShowCommonDialog(Unit* commonDialog, HWND owner);

// Makes the lines of a GBK text (separated by "\n") the auto-complete suggestions of an
// edit box unit, in that order; an empty text removes them. False for a unit that is
// not an edit box or has no window, and when the platform offers no auto-complete.
bool SetEditBoxCompletions(Unit* editBox, const std::string& gbkLines);

// Test seam: when set, ShowCommonDialog asks this instead of showing the platform dialog.
// It receives the dialog kind (0 open, 1 save) and the current file name, and returns
// whether the user "confirmed", setting the file name.
using CommonDialogHook = std::function<bool(int kind, std::string* fileName)>;
void SetCommonDialogHook(CommonDialogHook hook);

}  // namespace rt::win

namespace rt::win {

// Test seam: the millisecond clock the date box measures its 100 ms with (null = the
// system's tick count).
using MillisecondClock = uint64_t (*)();
void SetDateBoxClock(MillisecondClock clock);

// Whether a handled date-change report raises the date box's event: only when more
// than 100 ms have passed since the previous handled report (every handled report
// restarts the 100 ms) and no date-box event is running.
class DateChangeGate {
 public:
  static constexpr uint64_t kQuietMs = 100;
  bool Admit(uint64_t nowMs, bool eventRunning) {
    bool raise = !eventRunning && (!seen_ || nowMs - lastMs_ > kQuietMs);
    seen_ = true;
    lastMs_ = nowMs;
    return raise;
  }

 private:
  bool seen_ = false;
  uint64_t lastMs_ = 0;
};

}  // namespace rt::win
