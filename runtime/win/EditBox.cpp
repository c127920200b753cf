// The edit box: a platform "EDIT" control. Event 0 when the content changes, by the
// user or by writing the content property (then exactly once). It may offer
// auto-complete suggestions (SetEditCompletions).
#include <windows.h>
// (after windows.h, which it needs)
#include <commctrl.h>

#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/CoreControlsBase.h"
#include "runtime/win/EditCompletions.h"
#include "runtime/win/Gbk.h"

namespace rt::win {

namespace {

// Own property numbers (unit property index minus 8).
enum EditProp {
  kContent = 0,
  kBorder,
  kTextColor,
  kBackColor,
  kFont,
  kHideSelection,
  kReadOnly,
  kMultiLine,
  kScrollBars,
  kAlign,
  kPassword,
  kPasswordChar,
  kMaxLength,
  kInputMode,
  kSpinMinimum,
  kSpinMaximum,
  kSelectionStart,
  kSelectionLength,
  kSelectedText,
  kDataSource,
  kDataField,
};

class EditBoxUnit final : public ControlUnit {
 public:
  EditBoxUnit(const UnitCreateParams& params, EditBoxProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  bool Init() {
    const EditBoxProps& p = props_;
    DWORD style = 0, exStyle = 0;
    if (p.multiLine) {
      style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
      if (p.scrollBars & EditBoxProps::kHorizontalBar) style |= WS_HSCROLL | ES_AUTOHSCROLL;
      if (p.scrollBars & EditBoxProps::kVerticalBar) style |= WS_VSCROLL;
    } else {
      style |= ES_AUTOHSCROLL;
      if (p.password) style |= ES_PASSWORD;
    }
    if (!p.hideSelection) style |= ES_NOHIDESEL;
    if (p.readOnly) style |= ES_READONLY;
    if (p.align == EditBoxProps::kCentre) style |= ES_CENTER;
    if (p.align == EditBoxProps::kRight) style |= ES_RIGHT;
    if (p.border != 0) exStyle |= WS_EX_CLIENTEDGE;
    if (!Create(L"EDIT", style, exStyle, p.content, p.font)) return false;
    if (p.password && !p.multiLine) {
      char bytes[2] = {char(p.passwordChar >> 8), char(p.passwordChar & 0xFF)};
      std::wstring ch = (p.passwordChar > 0xFF) ? GbkToWide(bytes, 2) : GbkToWide(bytes + 1, 1);
      if (!ch.empty()) SendMessageW(hwnd_, EM_SETPASSWORDCHAR, ch[0], 0);
    }
    if (p.maxLength > 0) SendMessageW(hwnd_, EM_SETLIMITTEXT, p.maxLength, 0);
    if (p.selectionStart || p.selectionLength) {
      SendMessageW(hwnd_, EM_SETSEL, p.selectionStart, p.selectionStart + p.selectionLength);
    }
    return true;
  }

  bool SetCompletions(const std::string& gbkLines) {
    return hwnd_ && completions_.Set(hwnd_, CompletionLines(gbkLines));
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    switch (ownIndex) {
      case kContent: *out = TextValue(props_.content); return true;
      case kBorder: *out = MakeInt(int32_t(props_.border)); return true;
      case kTextColor: *out = MakeInt(int32_t(props_.textColor)); return true;
      case kBackColor: *out = MakeInt(int32_t(props_.backColor)); return true;
      case kHideSelection: *out = MakeLogic(props_.hideSelection); return true;
      case kReadOnly: *out = MakeLogic(props_.readOnly); return true;
      case kMultiLine: *out = MakeLogic(props_.multiLine); return true;
      case kScrollBars: *out = MakeInt(int32_t(props_.scrollBars)); return true;
      case kAlign: *out = MakeInt(int32_t(props_.align)); return true;
      case kPassword: *out = MakeLogic(props_.password); return true;
      case kPasswordChar: *out = MakeInt(props_.passwordChar); return true;
      case kMaxLength: *out = MakeInt(int32_t(props_.maxLength)); return true;
      case kInputMode: *out = MakeInt(int32_t(props_.inputMode)); return true;
      case kSpinMinimum: *out = MakeInt(props_.spinMinimum); return true;
      case kSpinMaximum: *out = MakeInt(props_.spinMaximum); return true;
      case kSelectionStart:
      case kSelectionLength: {
        DWORD start = 0, end = 0;
        if (hwnd_)
          SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        *out = MakeInt(int32_t(ownIndex == kSelectionStart ? start : end - start));
        return true;
      }
      case kSelectedText: *out = NewTextValue(SelectedText()); return true;
      case kDataSource: *out = NewTextValue(props_.dataSource); return true;
      case kDataField: *out = NewTextValue(props_.dataField); return true;
      default: return false;
    }
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    switch (ownIndex) {
      case kContent: WriteContent(TextArg(value)); return true;  // may delete this
      case kTextColor: WriteColor(&props_.textColor, value); return true;
      case kBackColor: WriteColor(&props_.backColor, value); return true;
      case kReadOnly:
        props_.readOnly = LogicArg(value);
        if (hwnd_) SendMessageW(hwnd_, EM_SETREADONLY, props_.readOnly, 0);
        return true;
      case kMaxLength:
        props_.maxLength = uint32_t(IntArg(value) < 0 ? 0 : IntArg(value));
        if (hwnd_) SendMessageW(hwnd_, EM_SETLIMITTEXT, props_.maxLength, 0);
        return true;
      case kSelectionStart:
      case kSelectionLength: {
        if (!hwnd_) return true;
        DWORD start = 0, end = 0;
        SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        int32_t v = IntArg(value) < 0 ? 0 : IntArg(value);
        if (ownIndex == kSelectionStart) {
          SendMessageW(hwnd_, EM_SETSEL, v, v + (end - start));
        } else {
          SendMessageW(hwnd_, EM_SETSEL, start, start + v);
        }
        return true;
      }
      case kSelectedText:
        if (hwnd_)
          SendMessageW(hwnd_, EM_REPLACESEL, TRUE,
                       reinterpret_cast<LPARAM>(GbkToWide(TextArg(value)).c_str()));
        return true;  // EN_CHANGE raises the event
      default: return false;
    }
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    switch (msg) {
      case WM_COMMAND:
        if (HIWORD(wp) != EN_CHANGE) return false;
        *result = 0;
        if (!suppressChange_) Raise(0);  // last statement: the unit may be gone
        return true;
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORSTATIC:
        // Read-only boxes paint through WM_CTLCOLORSTATIC; disabled ones keep the
        // system's grey look.
        if (msg == WM_CTLCOLORSTATIC && !IsWindowEnabled(hwnd_)) return false;
        *result = ApplyControlColors(reinterpret_cast<HDC>(wp), props_.textColor, COLOR_WINDOWTEXT,
                                     props_.backColor, COLOR_WINDOW, &brush_);
        return true;
      default: return false;
    }
  }

 private:
  // The content write: the text goes in without change notifications, the whole text
  // is selected and the caret scrolled into view, then event 0 is raised exactly once.
  void WriteContent(const std::string& text) {
    props_.content = text;
    if (hwnd_) {
      suppressChange_ = true;
      SetText(text);
      suppressChange_ = false;
      SendMessageW(hwnd_, EM_SETSEL, 0, -1);
      SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
    }
    Raise(0);
  }

  std::string SelectedText() const {
    if (!hwnd_) return std::string();
    DWORD start = 0, end = 0;
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    int length = GetWindowTextLengthW(hwnd_);
    std::wstring all(size_t(length) + 1, L'\0');
    int got = GetWindowTextW(hwnd_, &all[0], length + 1);
    all.resize(size_t(got > 0 ? got : 0));
    if (start > end || end > all.size()) return std::string();
    return WideToGbk(all.substr(start, end - start));
  }

  EditBoxProps props_;
  bool suppressChange_ = false;
  BrushCache brush_;
  EditCompletions completions_;
};

}  // namespace

bool SetEditBoxCompletions(Unit* editBox, const std::string& gbkLines) {
  auto* edit = dynamic_cast<EditBoxUnit*>(editBox);
  return edit && edit->SetCompletions(gbkLines);
}

std::unique_ptr<Unit> CreateEditBox(const UnitCreateParams& params) {
  return MakeControlUnit<EditBoxUnit>(params, ReadEditBoxProps);
}

}  // namespace rt::win
