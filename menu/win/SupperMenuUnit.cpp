#include "menu/win/SupperMenuUnit.h"

#include <cstring>

#include "menu/core/OsFamily.h"
#include "menu/win/GdiTools.h"
#include "menu/win/HostLink.h"
#include "menu/win/MenuTakeover.h"
#include "runtime/core/Blocks.h"
#include "runtime/core/PropertyValues.h"
#include "runtime/win/Font.h"
#include "runtime/win/Gbk.h"

namespace menu::win {

//--- Operating-system code -------------------------------------------------------------

namespace {
int g_osCodeOverride = -1;

int ComputeOsCode() {
  OSVERSIONINFOW v{};
  v.dwOSVersionInfoSize = sizeof(v);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  bool ok = GetVersionExW(&v) != FALSE;
#pragma GCC diagnostic pop
  return OsCode(ok, v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion);
}
}  // namespace

int OperatingSystemCode() {
  static const int code = ComputeOsCode();
  return g_osCodeOverride >= 0 ? g_osCodeOverride : code;
}
void SetOperatingSystemCodeForTesting(int code) { g_osCodeOverride = code; }

//--- The unit's own window ---------------------------------------------------------------

namespace {

const wchar_t kUnitClass[] = L"SupperMenuUnit";

LRESULT CALLBACK UnitWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* unit = reinterpret_cast<SupperMenuUnit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (unit && (msg == kMsgRedrawBar || msg == kMsgItemHighlighted)) return unit->OwnMessage(msg, wp, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void RegisterUnitClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &UnitWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kUnitClass;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}

bool SameFont(const LOGFONTW& a, const LOGFONTW& b) {
  return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
         a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
         a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
         a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
         a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
         std::wcscmp(a.lfFaceName, b.lfFaceName) == 0;
}

// The font as a stored 60-byte LOGFONTA record (GBK face name).
std::vector<uint8_t> FontRecordOf(const LOGFONTW& f) {
  LOGFONTA a{};
  a.lfHeight = f.lfHeight;
  a.lfWidth = f.lfWidth;
  a.lfEscapement = f.lfEscapement;
  a.lfOrientation = f.lfOrientation;
  a.lfWeight = f.lfWeight;
  a.lfItalic = f.lfItalic;
  a.lfUnderline = f.lfUnderline;
  a.lfStrikeOut = f.lfStrikeOut;
  a.lfCharSet = f.lfCharSet;
  a.lfOutPrecision = f.lfOutPrecision;
  a.lfClipPrecision = f.lfClipPrecision;
  a.lfQuality = f.lfQuality;
  a.lfPitchAndFamily = f.lfPitchAndFamily;
  std::string face = rt::win::WideToGbk(f.lfFaceName);
  std::memcpy(a.lfFaceName, face.data(), face.size() < LF_FACESIZE ? face.size() : LF_FACESIZE - 1);
  const auto* p = reinterpret_cast<const uint8_t*>(&a);
  return std::vector<uint8_t>(p, p + sizeof(a));
}

std::vector<uint8_t> BytesOf(const rt::DataValue& v) {
  size_t n = 0;
  const uint8_t* p = rt::ByteSetData(rt::PointerOf(v), &n);
  return p ? std::vector<uint8_t>(p, p + n) : std::vector<uint8_t>{};
}

rt::DataValue ByteSetValue(const std::vector<uint8_t>& b) {
  rt::DataValue v{0, 0, rt::tag::kByteSet};
  rt::SetPointer(v, rt::NewByteSet(b.data(), b.size()));
  return v;
}

}  // namespace

//--- Creation and end ----------------------------------------------------------------------

SupperMenuUnit::SupperMenuUnit(const rt::win::UnitCreateParams& p) : ref_(p.ref) {
  MenuUnitData data;
  ReadMenuUnitData(p.block, p.blockLength, &data);  // bad data: the defaults
  menu_.colors.Restore(data.style, data.colors);
  menu_.barBackColor = data.barBackColor;
  menu_.iconKeyColor = data.iconKeyColor;
  menu_.itemIcons = data.itemIcons;
  menu_.icons.Load(data.menuIcons, data.iconKeyColor);
  menu_.SetSidePictures(data.sidePictures);
  menu_.oldFamily = IsOldFamily(OperatingSystemCode());
  if (!data.menuFont.empty()) ApplyFont(data.menuFont.data());

  RegisterUnitClass();
  hwnd_ = CreateWindowExW(0, kUnitClass, L"", WS_CHILD, p.rect.left, p.rect.top, p.rect.right - p.rect.left,
                          p.rect.bottom - p.rect.top, p.parent, reinterpret_cast<HMENU>(INT_PTR(p.childId)),
                          GetModuleHandleW(nullptr), nullptr);
  if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  menu_.onHighlight = [this](uint32_t id) {
    if (hwnd_) PostMessageW(hwnd_, kMsgItemHighlighted, WPARAM(id), 0);
  };
  TakeOverForm();
}

SupperMenuUnit::~SupperMenuUnit() {
  if (form_) Release(form_, this);
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void SupperMenuUnit::TakeOverForm() {
  HWND form = FormWindow(ref_.window);
  if (!form || !GetMenu(form)) return;  // no menu: the unit stays inert
  if (!TakeOver(form, this)) return;    // another unit draws this window's menu
  form_ = form;
  menu_.Attach(ref_.window, form);
  PrepareOwnerMenu(ref_.window);
  SendMessageW(form, kMsgRebuildLayout, 0, 0);
}

std::unique_ptr<rt::win::Unit> CreateSupperMenu(const rt::win::UnitCreateParams& params) {
  auto unit = std::make_unique<SupperMenuUnit>(params);
  if (!unit->Hwnd()) return nullptr;
  return unit;
}

//--- Messages ------------------------------------------------------------------------------

LRESULT SupperMenuUnit::OwnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kMsgRedrawBar) {
    RedrawMenuBar(ref_.window);
  } else if (msg == kMsgItemHighlighted) {
    int32_t id = int32_t(wp);
    RaiseUnitEvent(ref_, menuevent::kHighlighted, &id, 1);
  }
  return 0;
}

bool SupperMenuUnit::OnFormMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous,
                                   LRESULT* result) {
  switch (msg) {
    case WM_MEASUREITEM:
      if (wp != 0 || !menu_.Measure(reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return false;
      *result = TRUE;
      return true;
    case WM_DRAWITEM:
      if (wp != 0 || !menu_.Draw(reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return false;
      *result = TRUE;
      return true;
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      HMENU menu = GetMenu(hwnd);
      if (!menu || GetMenuItemCount(menu) <= 0) return false;
      *result = CallWindowProcW(previous, hwnd, msg, wp, lp);
      menu_.FillBarRemainder();
      return true;
    }
    case WM_NCMOUSEMOVE:
      if (menu_.oldFamily) HotTrack(hwnd, lp);
      return false;
    case WM_TIMER:
      if (wp != kHotTrackTimer) return false;
      if (menu_.oldFamily) HotTimer(hwnd);
      *result = 0;
      return true;
    case WM_INITMENUPOPUP:
      RedrawMenuBar(ref_.window);
      if (menu_.oldFamily) SetPropW(hwnd, kMenuShownProp, reinterpret_cast<HANDLE>(1));
      menu_.RebuildLayout();
      return false;
    case WM_UNINITMENUPOPUP:
      if (menu_.oldFamily)
        RemovePropW(hwnd, kMenuShownProp);
      else if (!(HIWORD(lp) & MF_SYSMENU))
        RedrawMenuBar(ref_.window);
      return false;
    case WM_EXITMENULOOP: RaiseUnitEvent(ref_, menuevent::kMenuClosed, nullptr, 0); return false;
    case kMsgRebuildLayout:
      menu_.RebuildLayout();
      *result = 0;
      return true;
    default: return false;
  }
}

//--- Hot tracking of bar items (old family) --------------------------------------------------

bool SupperMenuUnit::BarItemUnderCursor(HWND hwnd, POINT screen, int* index, RECT* rect) const {
  HMENU menu = GetMenu(hwnd);
  int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    RECT r;
    if (GetMenuItemRect(hwnd, menu, UINT(i), &r) && PtInRect(&r, screen)) {
      *index = i;
      *rect = r;
      return true;
    }
  }
  return false;
}

void SupperMenuUnit::DrawBarItemHot(HWND hwnd, int index, const RECT& screenRect) {
  HMENU menu = GetMenu(hwnd);
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_DATA | MIIM_ID | MIIM_STATE;
  if (!GetMenuItemInfoW(menu, UINT(index), TRUE, &mii)) return;
  RECT win;
  GetWindowRect(hwnd, &win);
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.itemID = mii.wID;
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = ODS_HOTLIGHT | ((mii.fState & MFS_GRAYED) ? ODS_GRAYED : 0);
  dis.hwndItem = reinterpret_cast<HWND>(menu);
  rt::win::WindowDc dc(hwnd, rt::win::WindowDc::kWholeWindow);
  dis.hDC = dc.Get();
  dis.rcItem = screenRect;
  OffsetRect(&dis.rcItem, -win.left, -win.top);
  dis.itemData = mii.dwItemData;
  menu_.Draw(&dis);
}

void SupperMenuUnit::HotTrack(HWND hwnd, LPARAM lp) {
  POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
  int index = 0;
  RECT r;
  if (!BarItemUnderCursor(hwnd, pt, &index, &r)) return;
  if (reinterpret_cast<INT_PTR>(GetPropW(hwnd, kActiveBarItemProp)) != index + 1) {
    KillTimer(hwnd, kHotTrackTimer);
    RedrawMenuBar(ref_.window);
  }
  DrawBarItemHot(hwnd, index, r);
  SetPropW(hwnd, kActiveBarItemProp, reinterpret_cast<HANDLE>(INT_PTR(index + 1)));
  SetTimer(hwnd, kHotTrackTimer, 20, nullptr);
}

void SupperMenuUnit::HotTimer(HWND hwnd) {
  INT_PTR active = reinterpret_cast<INT_PTR>(GetPropW(hwnd, kActiveBarItemProp));
  POINT pt;
  GetCursorPos(&pt);
  int index = 0;
  RECT r;
  if (active > 0 && BarItemUnderCursor(hwnd, pt, &index, &r) && index + 1 == active) {
    if (!GetPropW(hwnd, kMenuShownProp)) DrawBarItemHot(hwnd, index, r);
    return;
  }
  KillTimer(hwnd, kHotTrackTimer);
  RemovePropW(hwnd, kActiveBarItemProp);
  RedrawMenuBar(ref_.window);
}

//--- Properties -----------------------------------------------------------------------------

void SupperMenuUnit::ApplyFont(const uint8_t* record) {
  if (menu_.oldFamily) return;  // the old family keeps the system menu font
  LOGFONTW lf;
  if (!rt::win::LogFontFromBytes(record, rt::kFontRecordSize, &lf)) return;
  fontRecord_.assign(record, record + rt::kFontRecordSize);
  if (SameFont(lf, menu_.Font())) return;
  menu_.SetFont(lf);
  if (hwnd_) PostMessageW(hwnd_, kMsgRedrawBar, 0, 0);
}

bool SupperMenuUnit::GetProperty(int index, rt::DataValue* out) {
  if (index == kMenuStyle) {
    *out = rt::MakeInt(menu_.colors.Style());
  } else if (index >= kFirstColor && index < kFirstColor + kColorCount) {
    *out = rt::MakeInt(int32_t(menu_.colors.Get(ColorIndex(index - kFirstColor))));
  } else if (index == kMenuIcons) {
    *out = ByteSetValue(menu_.icons.Data());
  } else if (index == kMenuItemIcons) {
    *out = ByteSetValue(menu_.itemIcons.empty() ? std::vector<uint8_t>{} : WriteItemIconMap(menu_.itemIcons));
  } else if (index == kBarBackColor) {
    uint32_t bar = menu_.BarColor();
    *out = rt::MakeInt(int32_t(bar == GetSysColor(COLOR_BTNFACE) ? kUnsetColor : bar));
  } else if (index == kIconKeyColor) {
    *out = rt::MakeInt(int32_t(menu_.iconKeyColor));
  } else if (index == kMenuFont) {
    std::vector<uint8_t> record = FontRecordOf(menu_.Font());
    void* block = rt::AllocateBlock(record.size());
    std::memcpy(block, record.data(), record.size());
    *out = rt::DataValue{0, 0, rt::tag::kByteSet};
    rt::SetPointer(*out, block);
  } else {
    return false;
  }
  return true;
}

bool SupperMenuUnit::SetProperty(int index, const rt::DataValue& v) {
  uint32_t word = v.low;
  if (index == kMenuStyle) {
    menu_.colors.SetStyle(int32_t(word));
  } else if (index >= kFirstColor && index < kFirstColor + kColorCount) {
    menu_.colors.SetColor(ColorIndex(index - kFirstColor), word);
  } else if (index == kMenuIcons || index == kIconKeyColor) {
    int w = menu_.icons.Width(), h = menu_.icons.Height();
    if (index == kIconKeyColor) menu_.iconKeyColor = word;
    std::vector<uint8_t> data = index == kMenuIcons ? BytesOf(v) : menu_.icons.Data();
    menu_.icons.Load(data, menu_.iconKeyColor);
    if ((w != menu_.icons.Width() || h != menu_.icons.Height()) && hwnd_)
      PostMessageW(hwnd_, kMsgRedrawBar, 0, 0);
  } else if (index == kMenuItemIcons) {
    std::vector<uint8_t> bytes = BytesOf(v);
    if (bytes.empty())
      menu_.itemIcons.clear();
    else if (bytes.size() >= 8)
      ReadItemIconMap(bytes.data(), bytes.size(), &menu_.itemIcons);
  } else if (index == kBarBackColor) {
    menu_.barBackColor = word;
    if (form_ && IsWindowVisible(form_))
      SetWindowPos(form_, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else if (index == kMenuFont) {
    const auto* record = static_cast<const uint8_t*>(rt::PointerOf(v));
    if (record) ApplyFont(record);
  } else {
    return false;
  }
  return true;
}

}  // namespace menu::win
