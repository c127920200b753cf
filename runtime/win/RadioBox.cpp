// The radio box: a platform radio button. The radio boxes of one container (the window,
// or the group box they lie in) form a group: selecting one clears the others. The
// grouping is ours rather than the platform's, which would depend on stacking order
// and group styles. Event 0 on click, never while we change a box's state ourselves.
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

enum RadioProp {
  kCaption = 0,
  kFont,
  kTextColor,
  kPushLike,
  kTextOnLeft,
  kFlat,
  kMultiLine,
  kAlign,
  kVerticalAlign,
  kPicture,
  kChecked,
};

class RadioBoxUnit final : public ControlUnit {
 public:
  RadioBoxUnit(const UnitCreateParams& params, CheckProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  bool Init() {
    if (!Create(L"BUTTON", BS_RADIOBUTTON | CheckStyleBits(props_), 0, props_.caption, props_.font))
      return false;
    SetState(props_.checked);
    return true;
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    switch (ownIndex) {
      case kCaption: *out = NewTextValue(hwnd_ ? Text() : props_.caption); return true;
      case kTextColor: *out = MakeInt(int32_t(props_.textColor)); return true;
      case kPushLike: *out = MakeLogic(props_.pushLike); return true;
      case kTextOnLeft: *out = MakeLogic(props_.textOnLeft); return true;
      case kFlat: *out = MakeLogic(props_.flat); return true;
      case kMultiLine: *out = MakeLogic(props_.multiLine); return true;
      case kAlign: *out = MakeInt(int32_t(props_.align)); return true;
      case kVerticalAlign: *out = MakeInt(int32_t(props_.verticalAlign)); return true;
      case kChecked: *out = MakeLogic(props_.checked); return true;
      default: return false;
    }
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    switch (ownIndex) {
      case kCaption:
        props_.caption = TextArg(value);
        SetText(props_.caption);
        return true;
      case kTextColor:
        props_.textColor = uint32_t(IntArg(value));
        if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
        return true;
      case kChecked:
        if (LogicArg(value)) {
          SelectInGroup();
        } else {
          SetState(false);
        }
        return true;
      default: return false;
    }
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
      if (IsSystemColor(props_.textColor)) return false;
      *result = ApplyControlColors(reinterpret_cast<HDC>(wp), props_.textColor, COLOR_BTNTEXT, kDefaultColor,
                                   COLOR_BTNFACE, &brush_);
      return true;
    }
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

  CheckProps props_;
  BrushCache brush_;
  bool changing_ = false;
};

}  // namespace

std::unique_ptr<Unit> CreateRadioBox(const UnitCreateParams& params) {
  CheckProps props;
  if (!ReadRadioBoxProps(params.block, params.blockLength, &props)) return nullptr;
  auto unit = std::make_unique<RadioBoxUnit>(params, std::move(props));
  if (!unit->Init()) return nullptr;
  return unit;
}

}  // namespace rt::win
