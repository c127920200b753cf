// The check box: a platform check button; event 0 on click. Writing the checked state
// raises nothing.
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

// Own property numbers, shared with the radio box up to kChecked.
enum CheckProp {
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
  kDataSource,
  kDataField,
};

class CheckBoxUnit final : public ControlUnit {
 public:
  CheckBoxUnit(const UnitCreateParams& params, CheckProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  bool Init() {
    if (!Create(L"BUTTON", BS_AUTOCHECKBOX | CheckStyleBits(props_), 0, props_.caption, props_.font))
      return false;
    SendMessageW(hwnd_, BM_SETCHECK, props_.checked ? BST_CHECKED : BST_UNCHECKED, 0);
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
      case kChecked: *out = MakeLogic(Checked()); return true;
      case kDataSource: *out = NewTextValue(props_.dataSource); return true;
      case kDataField: *out = NewTextValue(props_.dataField); return true;
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
        props_.checked = LogicArg(value);
        if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, props_.checked ? BST_CHECKED : BST_UNCHECKED, 0);
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

  CheckProps props_;
  BrushCache brush_;
};

}  // namespace

DWORD CheckStyleBits(const CheckProps& p) {
  DWORD style = 0;
  if (p.pushLike) style |= BS_PUSHLIKE;
  if (p.textOnLeft) style |= BS_LEFTTEXT;
  if (p.flat) style |= BS_FLAT;
  if (p.multiLine) style |= BS_MULTILINE;
  if (p.align == 1) style |= BS_CENTER;
  if (p.align == 2) style |= BS_RIGHT;
  if (p.verticalAlign == 1) style |= BS_TOP;
  if (p.verticalAlign == 2) style |= BS_BOTTOM;
  return style;
}

std::unique_ptr<Unit> CreateCheckBox(const UnitCreateParams& params) {
  CheckProps props;
  if (!ReadCheckBoxProps(params.block, params.blockLength, &props)) return nullptr;
  auto unit = std::make_unique<CheckBoxUnit>(params, std::move(props));
  if (!unit->Init()) return nullptr;
  return unit;
}

}  // namespace rt::win
