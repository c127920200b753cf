// The common dialog: a unit without a window that shows the platform's open-file or
// save-file dialog on demand (ShowCommonDialog, used by the OpenDialog command).
#include <windows.h>
// (after windows.h, which it needs)
#include <commdlg.h>

#include <vector>

#include "runtime/core/DialogFilter.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/CoreControlsBase.h"
#include "runtime/win/Gbk.h"

namespace rt::win {

namespace {

enum DialogProp {
  kKind = 0,
  kTitle,
  kFileName,
  kFilter,
  kFilterIndex,
  kInitialDir,
  kDefaultExt,
  kMustExist,
  kOverwritePrompt,
};

constexpr uint32_t kOpenKind = 0, kSaveKind = 1;
constexpr DWORD kFileBufferChars = 32768;  // the longest path the wide API takes

CommonDialogHook& Hook() {
  static CommonDialogHook hook;
  return hook;
}

class CommonDialogUnit final : public Unit {
 public:
  explicit CommonDialogUnit(CommonDialogProps props) : props_(std::move(props)) {}

  HWND Hwnd() const override { return nullptr; }

  bool GetProperty(int ownIndex, DataValue* out) override {
    switch (ownIndex) {
      case kKind: *out = MakeInt(int32_t(props_.kind)); return true;
      case kTitle: *out = NewTextValue(props_.title); return true;
      case kFileName: *out = NewTextValue(props_.fileName); return true;
      case kFilter: *out = NewTextValue(props_.filter); return true;
      case kFilterIndex: *out = MakeInt(filterIndex_); return true;
      case kInitialDir: *out = NewTextValue(props_.initialDir); return true;
      case kDefaultExt: *out = NewTextValue(props_.defaultExt); return true;
      case kMustExist: *out = MakeLogic(props_.mustExist); return true;
      case kOverwritePrompt: *out = MakeLogic(props_.overwritePrompt); return true;
      default: return false;
    }
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    switch (ownIndex) {
      case kKind: props_.kind = uint32_t(IntArg(value) < 0 ? 0 : IntArg(value)); return true;
      case kTitle: props_.title = TextArg(value); return true;
      case kFileName: props_.fileName = TextArg(value); return true;
      case kFilter: props_.filter = TextArg(value); return true;
      case kFilterIndex: filterIndex_ = IntArg(value) < 1 ? 1 : IntArg(value); return true;
      case kInitialDir: props_.initialDir = TextArg(value); return true;
      case kDefaultExt: props_.defaultExt = TextArg(value); return true;
      case kMustExist: props_.mustExist = LogicArg(value); return true;
      case kOverwritePrompt: props_.overwritePrompt = LogicArg(value); return true;
      default: return false;
    }
  }

  bool Show(HWND owner) {
    if (props_.kind != kOpenKind && props_.kind != kSaveKind) return false;
    if (Hook()) {
      std::string name = props_.fileName;
      if (!Hook()(int(props_.kind), &name)) return false;
      props_.fileName = name;
      return true;
    }
    return ShowPlatformDialog(owner);
  }

 private:
  bool ShowPlatformDialog(HWND owner) {
    std::string list = BuildDialogFilterList(props_.filter);
    std::wstring filter = GbkToWide(list);  // keeps the zero separators
    std::wstring title = GbkToWide(props_.title);
    std::wstring initialDir = GbkToWide(props_.initialDir);
    std::wstring defaultExt = GbkToWide(DefaultExtensionOf(props_.defaultExt));
    std::vector<wchar_t> file(kFileBufferChars, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = DWORD(filterIndex_);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kFileBufferChars;
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    // The program's directory stays the current directory whatever the user browses.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
    if (props_.kind == kOpenKind && props_.mustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (props_.kind == kSaveKind && props_.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;

    auto run = [&] { return props_.kind == kSaveKind ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn); };
    CopyInitialName(&file);
    BOOL ok = run();
    if (!ok && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
      // A stored name the dialog refuses must not keep it from opening at all.
      file.assign(kFileBufferChars, L'\0');
      ok = run();
    }
    if (!ok) return false;
    filterIndex_ = int32_t(ofn.nFilterIndex);

    std::wstring chosen(file.data());
    std::string gbk;
    if (!WideToGbkExact(chosen, &gbk)) {
      // A name with characters outside GBK cannot be passed on as text; the short
      // form of an existing file's name can.
      std::vector<wchar_t> shortName(kFileBufferChars, L'\0');
      DWORD n = GetShortPathNameW(chosen.c_str(), shortName.data(), kFileBufferChars);
      if (n == 0 || n >= kFileBufferChars || !WideToGbkExact(shortName.data(), &gbk)) return false;
    }
    props_.fileName = gbk;
    return true;
  }

  void CopyInitialName(std::vector<wchar_t>* file) const {
    std::wstring name = GbkToWide(props_.fileName);
    if (name.size() >= file->size()) return;  // too long to offer: start empty
    std::copy(name.begin(), name.end(), file->begin());
  }

  CommonDialogProps props_;
  int32_t filterIndex_ = 1;
};

}  // namespace

std::unique_ptr<Unit> CreateCommonDialog(const UnitCreateParams& params) {
  CommonDialogProps props;
  if (!ReadCommonDialogProps(params.block, params.blockLength, &props)) return nullptr;
  return std::make_unique<CommonDialogUnit>(std::move(props));
}

bool ShowCommonDialog(Unit* commonDialog, HWND owner) {
  auto* dialog = dynamic_cast<CommonDialogUnit*>(commonDialog);
  return dialog ? dialog->Show(owner) : false;
}

void SetCommonDialogHook(CommonDialogHook hook) { Hook() = std::move(hook); }

}  // namespace rt::win
