// The process-wide printer context and settings, and the print dialog.
#include <windows.h>
#include <commdlg.h>

#include <string>
#include <utility>
#include <vector>

#include "grid/core/PrintOptions.h"
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

namespace grid::win {

namespace {

std::vector<PaperForm> PrinterForms(const std::wstring& device) {
  std::vector<PaperForm> forms;
  int count = DeviceCapabilitiesW(device.c_str(), nullptr, DC_PAPERS, nullptr, nullptr);
  int sizes = DeviceCapabilitiesW(device.c_str(), nullptr, DC_PAPERSIZE, nullptr, nullptr);
  if (count <= 0 || sizes != count) return forms;
  std::vector<WORD> numbers(size_t(count) + 1);
  std::vector<POINT> extents(size_t(count) + 1);
  DeviceCapabilitiesW(device.c_str(), nullptr, DC_PAPERS, reinterpret_cast<LPWSTR>(numbers.data()), nullptr);
  DeviceCapabilitiesW(device.c_str(), nullptr, DC_PAPERSIZE, reinterpret_cast<LPWSTR>(extents.data()),
                      nullptr);
  for (int i = 0; i < count; ++i)
    forms.push_back({numbers[size_t(i)], int(extents[size_t(i)].x), int(extents[size_t(i)].y)});
  return forms;
}

// The printer's mode as the driver completes it from `in` (or its default without one).
std::vector<BYTE> CompleteMode(const std::wstring& device, const DEVMODEW* in) {
  std::vector<BYTE> out;
  HANDLE printer = nullptr;
  std::wstring name = device;
  if (!OpenPrinterW(&name[0], &printer, nullptr)) return out;
  LONG size = DocumentPropertiesW(nullptr, printer, &name[0], nullptr, nullptr, 0);
  if (size > 0) {
    out.resize(size_t(size));
    DWORD mode = DM_OUT_BUFFER | (in ? DM_IN_BUFFER : 0);
    if (DocumentPropertiesW(nullptr, printer, &name[0], reinterpret_cast<DEVMODEW*>(out.data()),
                            const_cast<DEVMODEW*>(in), mode) < 0)
      out.clear();
  }
  ClosePrinter(printer);
  return out;
}

bool g_lastJobSpooled = false;

}  // namespace

bool UsePaperOnSharedPrinter(int widthTenths, int heightTenths) {
  SharedPrinter& s = Shared();
  if (!s.dc || s.device.empty()) return false;
  std::vector<BYTE> base = s.dcDevMode;
  if (base.size() < sizeof(DEVMODEW)) base = CompleteMode(s.device, nullptr);
  if (base.size() < sizeof(DEVMODEW)) return false;
  auto* mode = reinterpret_cast<DEVMODEW*>(base.data());
  bool landscape = false;
  // The driver feeds its own forms by number; a user size only where it has none.
  int form = MatchPaperForm(PrinterForms(s.device), widthTenths, heightTenths, &landscape);
  mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
  mode->dmFields &= ~DWORD(DM_PAPERWIDTH | DM_PAPERLENGTH | DM_FORMNAME);
  mode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  if (form >= 0) {
    mode->dmPaperSize = short(form);
  } else {
    mode->dmPaperSize = DMPAPER_USER;
    mode->dmPaperWidth = short(widthTenths);
    mode->dmPaperLength = short(heightTenths);
    mode->dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
  }
  std::vector<BYTE> done = CompleteMode(s.device, mode);
  if (done.size() < sizeof(DEVMODEW)) done = base;
  HDC fresh =
      CreateDCW(L"WINSPOOL", s.device.c_str(), nullptr, reinterpret_cast<const DEVMODEW*>(done.data()));
  if (!fresh) return false;
  DeleteDC(s.dc);
  s.dc = fresh;
  s.dcDevMode = done;
  return true;
}

bool AdoptNamedPrinter(const std::wstring& name) {
  std::vector<BYTE> mode = CompleteMode(name, nullptr);
  if (mode.size() < sizeof(DEVMODEW)) return false;
  HDC dc = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, reinterpret_cast<const DEVMODEW*>(mode.data()));
  if (!dc) return false;
  SharedPrinter& s = Shared();
  if (s.dc) DeleteDC(s.dc);
  s.dc = dc;
  s.device = name;
  s.dcDevMode = mode;
  return true;
}

bool LastPrintJobSpooled() { return g_lastJobSpooled; }
void SetLastPrintJobSpooled(bool spooled) { g_lastJobSpooled = spooled; }

}  // namespace grid::win
