// The button: a platform push button; event 0 on click.
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

enum ButtonProp { kCaption = 0, kFont, kDefault, kCancel, kAlign };

class ButtonUnit final : public ControlUnit {
 public:
  ButtonUnit(const UnitCreateParams& params, ButtonProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  bool Init() {
    DWORD style = props_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (props_.align == ButtonProps::kLeft) style |= BS_LEFT;
    if (props_.align == ButtonProps::kRight) style |= BS_RIGHT;
    return Create(L"BUTTON", style, 0, props_.caption, props_.font);
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    switch (ownIndex) {
      case kCaption: *out = TextValue(props_.caption); return true;
      case kDefault: *out = MakeLogic(props_.isDefault); return true;
      case kCancel: *out = MakeLogic(props_.isCancel); return true;
      case kAlign: *out = MakeInt(int32_t(props_.align)); return true;
      default: return false;
    }
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    if (ownIndex != kCaption) return false;
    WriteText(&props_.caption, value);
    return true;
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
    *result = 0;
    Raise(0);  // last statement: the unit may be gone
    return true;
  }

 private:
  ButtonProps props_;
};

}  // namespace

std::unique_ptr<Unit> CreateButton(const UnitCreateParams& params) {
  return MakeControlUnit<ButtonUnit>(params, ReadButtonProps);
}

}  // namespace rt::win
