// The radio box: a platform radio button. The radio boxes of one container (the window,
// or the group box they lie in) form a group: selecting one clears the others. The
// grouping is ours rather than the platform's, which would depend on stacking order
// and group styles. Event 0 on click, never while we change a box's state ourselves.
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

class RadioBoxUnit final : public CheckButtonUnit {
 public:
  RadioBoxUnit(const UnitCreateParams& params, CheckProps props)
      : CheckButtonUnit(params, std::move(props)) {}

  bool Init() {
    if (!CreateButtonWindow(BS_RADIOBUTTON)) return false;
    SetState(props_.checked);
    return true;
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    if (ownIndex != kChecked) return CheckButtonUnit::GetProperty(ownIndex, out);
    *out = MakeLogic(props_.checked);
    return true;
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    if (ownIndex != kChecked) return CheckButtonUnit::SetProperty(ownIndex, value);
    if (LogicArg(value)) {
      SelectInGroup();
    } else {
      SetState(false);
    }
    return true;
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (CheckButtonUnit::OnParentMessage(msg, wp, lp, result)) return true;
    if (msg != WM_COMMAND) return false;
    // A plain radio button reports a second quick click as a double click.
    if (HIWORD(wp) != BN_CLICKED && HIWORD(wp) != BN_DOUBLECLICKED) return false;
    *result = 0;
    if (changing_) return true;
    SelectInGroup();
    Raise(0);  // last statement: the unit may be gone
    return true;
  }

 private:
  // Changes the shown state with clicks from the control ignored meanwhile.
  void SetState(bool selected) {
    props_.checked = selected;
    if (!hwnd_) return;
    changing_ = true;
    SendMessageW(hwnd_, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    changing_ = false;
  }

  // Selects this box and clears every other radio box of the same container.
  void SelectInGroup() {
    SetState(true);
    if (!hwnd_) return;
    HWND container = GetParent(hwnd_);
    for (HWND h = GetWindow(container, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
      if (h == hwnd_) continue;
      if (auto* other = dynamic_cast<RadioBoxUnit*>(ControlUnit::FromHwnd(h))) other->SetState(false);
    }
  }

  bool changing_ = false;
};

}  // namespace

std::unique_ptr<Unit> CreateRadioBox(const UnitCreateParams& params) {
  return MakeControlUnit<RadioBoxUnit>(params, ReadRadioBoxProps);
}

}  // namespace rt::win
