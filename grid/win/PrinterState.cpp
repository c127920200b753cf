// The process-wide printer context and settings, and the print dialog.
#include <windows.h>
#include <commdlg.h>

#include <string>
#include <utility>
#include <vector>

#include "grid/win/GridPrinting.h"

namespace grid::win {

namespace {

struct SharedPrinter {
  HDC dc = nullptr;
  HGLOBAL devMode = nullptr;
  HGLOBAL devNames = nullptr;
  // What the context was made for, so that it can be made again.
  std::wstring device;
  std::vector<BYTE> dcDevMode;
};

SharedPrinter& Shared() {
  static SharedPrinter shared;
  return shared;
}

// Records the device name and mode of a new shared context.
void RememberDevice(HGLOBAL devNames, HGLOBAL devMode) {
  SharedPrinter& s = Shared();
  if (devNames) {
    if (auto* names = static_cast<DEVNAMES*>(GlobalLock(devNames))) {
      s.device = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
      GlobalUnlock(devNames);
    }
  }
  s.dcDevMode.clear();
  if (devMode) {
    if (void* mode = GlobalLock(devMode)) {
      const BYTE* bytes = static_cast<const BYTE*>(mode);
      s.dcDevMode.assign(bytes, bytes + GlobalSize(devMode));
      GlobalUnlock(devMode);
    }
  }
}

PrintDialogHook& DialogHook() {
  static PrintDialogHook hook;
  return hook;
}

constexpr DWORD kJobFlags =
    PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION | PD_RETURNDC;

// A movable copy of a global block (the dialog may free or replace what it is given).
HGLOBAL CopyBlock(HGLOBAL block) {
  if (!block) return nullptr;
  SIZE_T size = GlobalSize(block);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  void* from = GlobalLock(block);
  void* to = GlobalLock(copy);
  if (from && to) memcpy(to, from, size);
  if (to) GlobalUnlock(copy);
  if (from) GlobalUnlock(block);
  return copy;
}

BOOL ShowDialog(PRINTDLGW* pd) {
  if (DialogHook()) {
    PrintDialogHook hook = DialogHook();
    return hook(pd);
  }
  return PrintDlgW(pd);
}

}  // namespace

HDC SharedPrinterDC() { return Shared().dc; }
HGLOBAL SharedPrinterSettings() { return Shared().devMode; }

void AdoptDialogResult(PRINTDLGW& pd) {
  SharedPrinter& s = Shared();
  if (pd.hDC) RememberDevice(pd.hDevNames, pd.hDevMode);
  if (pd.hDC) {
    if (s.dc && s.dc != pd.hDC) DeleteDC(s.dc);
    s.dc = pd.hDC;
    pd.hDC = nullptr;
  }
  if (pd.hDevMode) {
    if (s.devMode && s.devMode != pd.hDevMode) GlobalFree(s.devMode);
    s.devMode = pd.hDevMode;
    pd.hDevMode = nullptr;
  }
  if (pd.hDevNames) {
    if (s.devNames && s.devNames != pd.hDevNames) GlobalFree(s.devNames);
    s.devNames = pd.hDevNames;
    pd.hDevNames = nullptr;
  }
}

void ResetSharedPrinter() {
  SharedPrinter& s = Shared();
  if (s.dc) DeleteDC(s.dc);
  if (s.devMode) GlobalFree(s.devMode);
  if (s.devNames) GlobalFree(s.devNames);
  s = SharedPrinter();
}

bool RunPrintDialog(PRINTDLGW* pd) {
  *pd = PRINTDLGW();
  pd->lStructSize = sizeof(PRINTDLGW);
  pd->Flags = kJobFlags;
  pd->nMinPage = pd->nFromPage = 1;
  pd->nMaxPage = pd->nToPage = 0xFFFF;
  pd->nCopies = 1;
  // Preloaded with the settings last confirmed, so the user starts from that printer.
  pd->hDevMode = CopyBlock(Shared().devMode);
  pd->hDevNames = CopyBlock(Shared().devNames);
  if (ShowDialog(pd)) return true;
  if (pd->hDevMode) GlobalFree(pd->hDevMode);
  if (pd->hDevNames) GlobalFree(pd->hDevNames);
  pd->hDevMode = pd->hDevNames = nullptr;
  return false;
}

void AdoptDefaultPrinter() {
  PRINTDLGW pd = {};
  pd.lStructSize = sizeof pd;
  pd.Flags = kJobFlags | PD_RETURNDEFAULT;
  if (PrintDlgW(&pd) && pd.hDC) {
    SharedPrinter& s = Shared();
    RememberDevice(pd.hDevNames, pd.hDevMode);
    if (s.dc) DeleteDC(s.dc);
    s.dc = pd.hDC;
  }
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
}

void RenewSharedPrinterDC() {
  SharedPrinter& s = Shared();
  if (!s.dc || s.device.empty()) return;
  const DEVMODEW* mode =
      s.dcDevMode.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(s.dcDevMode.data());
  if (HDC fresh = CreateDCW(L"WINSPOOL", s.device.c_str(), nullptr, mode)) {
    DeleteDC(s.dc);
    s.dc = fresh;
  }
}

HDC DefaultPrinterDC() {
  PRINTDLGW pd = {};
  pd.lStructSize = sizeof pd;
  pd.Flags = kJobFlags | PD_RETURNDEFAULT;
  HDC dc = nullptr;
  if (PrintDlgW(&pd)) dc = pd.hDC;
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  return dc;
}

PrintDialogHook SetPrintDialogHook(PrintDialogHook hook) {
  PrintDialogHook old = std::move(DialogHook());
  DialogHook() = std::move(hook);
  return old;
}

}  // namespace grid::win
