// The check box: a platform check button; event 0 on click. Writing the checked state
// raises nothing.
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

class CheckBoxUnit final : public CheckButtonUnit {
 public:
  CheckBoxUnit(const UnitCreateParams& params, CheckProps props)
      : CheckButtonUnit(params, std::move(props)) {}

  bool Init() {
    if (!CreateButtonWindow(BS_AUTOCHECKBOX)) return false;
    SendMessageW(hwnd_, BM_SETCHECK, props_.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    switch (ownIndex) {
      case kChecked: *out = MakeLogic(Checked()); return true;
      case kDataSource: *out = NewTextValue(props_.dataSource); return true;
      case kDataField: *out = NewTextValue(props_.dataField); return true;
      default: return CheckButtonUnit::GetProperty(ownIndex, out);
    }
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    if (ownIndex != kChecked) return CheckButtonUnit::SetProperty(ownIndex, value);
    props_.checked = LogicArg(value);
    if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, props_.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (CheckButtonUnit::OnParentMessage(msg, wp, lp, result)) return true;
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    *result = 0;
    props_.checked = Checked();
    Raise(0);  // last statement: the unit may be gone
    return true;
  }

 private:
  bool Checked() const {
    return hwnd_ ? SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED : props_.checked;
  }
};

}  // namespace

std::unique_ptr<Unit> CreateCheckBox(const UnitCreateParams& params) {
  return MakeControlUnit<CheckBoxUnit>(params, ReadCheckBoxProps);
}

}  // namespace rt::win
