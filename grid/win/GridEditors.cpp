// The four in-place editors and their shared subclassing.
#include "grid/win/GridEditors.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "grid/core/DateText.h"
#include "grid/core/EditRules.h"
#include "grid/core/PictureService.h"
#include "grid/win/CellPainter.h"
#include "grid/win/GridCtrl.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

const char kPictureFileFilter[] =
    "所有图片文件(*.JPG;*.BMP;*.GIF;*.ICO;*.CUR)|*.jpg;*.bmp;*.gif;*.ico;*.cur|JPG图片(*.JPG)|*.jpg|BMP图片(*"
    ".BMP)|"
    "*.bmp|GIF图片(*.GIF)|*.gif|图标(*.ICO)|*.ico|鼠标指针(*.CUR)|*.cur||";

namespace {

constexpr wchar_t kEditorProp[] = L"GridEditor";
constexpr wchar_t kOriginalProp[] = L"GridEditorProc";

std::string WindowText(HWND hwnd) { return rt::win::WindowTextGbk(hwnd); }

void SetText(HWND hwnd, const std::string& gbk) { SetWindowTextW(hwnd, rt::win::GbkToWide(gbk).c_str()); }

// The shown file dialog; tests install their own chooser.
bool ShowOpenDialog(HWND owner, const std::string& filter, std::string* path) {
  std::wstring wideFilter = rt::win::GbkToWide(filter);
  for (wchar_t& ch : wideFilter)
    if (ch == L'|') ch = L'\0';
  wchar_t file[MAX_PATH * 4] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = wideFilter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH * 4;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameW(&ofn)) return false;
  return rt::win::WideToGbkExact(file, path);
}

PictureFileChooser& Chooser() {
  static PictureFileChooser chooser = &ShowOpenDialog;
  return chooser;
}

}  // namespace

PictureFileChooser SetPictureFileChooser(PictureFileChooser chooser) {
  PictureFileChooser previous = Chooser();
  Chooser() = chooser ? std::move(chooser) : PictureFileChooser(&ShowOpenDialog);
  return previous;
}

FirstInput FirstInput::FromChar(wchar_t ch) {
  FirstInput f;
  if (ch == L'\r') {
    f.kind = kCaretAtEnd;
  } else if (ch == L'\b') {
    f.kind = kBackspace;
  } else if (ch == L'\t' || ch == L' ') {
    f.kind = kSelectAll;
  } else {
    f.kind = kChar;
    f.ch = ch;
  }
  return f;
}

//--- The shared part ----------------------------------------------------------------

GridEditor::~GridEditor() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool GridEditor::Owns(HWND window) const { return window && (window == hwnd_ || IsChild(hwnd_, window)); }

void GridEditor::Subclass(HWND control) {
  SetPropW(control, kEditorProp, this);
  auto original =
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GridEditor::SubclassProc));
  SetPropW(control, kOriginalProp, reinterpret_cast<HANDLE>(original));
}

LRESULT GridEditor::CallOriginal(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(control, kOriginalProp));
  return original ? CallWindowProcW(original, control, msg, wp, lp) : DefWindowProcW(control, msg, wp, lp);
}

LRESULT CALLBACK GridEditor::SubclassProc(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  auto* editor = static_cast<GridEditor*>(GetPropW(control, kEditorProp));
  auto original = reinterpret_cast<WNDPROC>(GetPropW(control, kOriginalProp));
  if (msg == WM_NCDESTROY) {
    RemovePropW(control, kEditorProp);
    RemovePropW(control, kOriginalProp);
    if (original) SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    return original ? CallWindowProcW(original, control, msg, wp, lp) : 0;
  }
  if (!editor)
    return original ? CallWindowProcW(original, control, msg, wp, lp) : DefWindowProcW(control, msg, wp, lp);
  return editor->Proc(control, msg, wp, lp);
}

LRESULT GridEditor::Proc(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETDLGCODE) return DLGC_WANTALLKEYS | CallOriginal(control, msg, wp, lp);
  if (msg == WM_KILLFOCUS) {
    LRESULT r = CallOriginal(control, msg, wp, lp);
    if (!finishing && !Owns(reinterpret_cast<HWND>(wp))) Finish(0);
    return r;
  }
  return CallOriginal(control, msg, wp, lp);
}

void GridEditor::Finish(UINT key) {
  if (finishing) return;
  grid_.OnEditorFinished(key, key != VK_ESCAPE);
}

namespace {

//--- Text editor --------------------------------------------------------------------

// Keys that end editing in a text box (also the edit part of the list editor).
bool IsEndKey(WPARAM key) { return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE; }

class TextEditor : public GridEditor {
 public:
  TextEditor(CGridCtrl& grid, int row, int col, bool numeric)
      : GridEditor(grid, row, col), numeric_(numeric) {}

  bool Make(const RECT& rect, const FirstInput& first) {
    initial_ = grid_.Model().CellText(row_, col_);
    cellRect_ = rect;
    hwnd_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_LEFT, rect.left,
                            rect.top, rect.right - rect.left, rect.bottom - rect.top, grid_.Hwnd(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return false;
    SendMessageW(hwnd_, WM_SETFONT, WPARAM(grid_.Fonts().Get(grid_.Model().GridFont())), FALSE);
    SetText(hwnd_, initial_);
    Subclass(hwnd_);
    SetFocus(hwnd_);
    Apply(first);
    Widen();
    return true;
  }

  bool Text(std::string* gbk) const override {
    *gbk = WindowText(hwnd_);
    return true;
  }

  void TypeInput(const FirstInput& input) override {
    if (input.kind == FirstInput::kChar) SendMessageW(hwnd_, WM_CHAR, input.ch, 0);
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg == WM_COMMAND && reinterpret_cast<HWND>(lp) == hwnd_ && HIWORD(wp) == EN_CHANGE) {
      Widen();
      *result = 0;
      return true;
    }
    return false;
  }

 protected:
  LRESULT Proc(HWND control, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_KEYDOWN && IsEndKey(wp)) {
      if (wp == VK_ESCAPE) SetText(hwnd_, initial_);
      Finish(UINT(wp));
      return 0;
    }
    if (msg == WM_CHAR) {
      if (wp == L'\t' || wp == L'\r' || wp == kEscapeChar) return 0;
      if (numeric_ && !Accepts(wchar_t(wp))) {
        MessageBeep(MB_OK);
        return 0;
      }
    }
    return GridEditor::Proc(control, msg, wp, lp);
  }

 private:
  bool Accepts(wchar_t ch) const {
    int length = GetWindowTextLengthW(hwnd_);
    std::wstring wide(size_t(length) + 1, L'\0');
    GetWindowTextW(hwnd_, &wide[0], length + 1);
    wide.resize(size_t(length));
    // Offsets are in characters; the rules look only at ASCII signs and digits.
    std::string ascii(wide.size(), '?');
    for (size_t i = 0; i < wide.size(); ++i)
      if (wide[i] < 0x80) ascii[i] = char(wide[i]);
    DWORD start = 0, end = 0;
    SendMessageW(hwnd_, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return AcceptsNumberChar(ascii, int(start), int(end), unsigned(ch));
  }

  void Apply(const FirstInput& first) {
    int length = GetWindowTextLengthW(hwnd_);
    switch (first.kind) {
      case FirstInput::kCaretAtEnd: SendMessageW(hwnd_, EM_SETSEL, length, length); break;
      case FirstInput::kBackspace:
        SendMessageW(hwnd_, EM_SETSEL, length, length);
        SendMessageW(hwnd_, WM_CHAR, L'\b', 0);
        break;
      case FirstInput::kSelectAll: SendMessageW(hwnd_, EM_SETSEL, 0, -1); break;
      case FirstInput::kChar:
        // The character replaces the text, through the filter like any typed one; a
        // refused one leaves the text as it was, caret at the end.
        SetWindowTextW(hwnd_, L"");
        SendMessageW(hwnd_, WM_CHAR, first.ch, 0);
        if (GetWindowTextLengthW(hwnd_) == 0) {
          SetText(hwnd_, initial_);
          SendMessageW(hwnd_, EM_SETSEL, length, length);
        }
        break;
    }
  }

  // Widens the box to fit its text, within the grid's client area.
  void Widen() {
    int length = GetWindowTextLengthW(hwnd_);
    std::wstring wide(size_t(length) + 1, L'\0');
    GetWindowTextW(hwnd_, &wide[0], length + 1);
    SIZE size{};
    {
      rt::win::WindowDc dc(hwnd_);
      rt::win::SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
      GetTextExtentPoint32W(dc.Get(), wide.c_str(), length, &size);
    }
    RECT client;
    GetClientRect(grid_.Hwnd(), &client);
    int want = std::max<int>(cellRect_.right - cellRect_.left, size.cx + 12);
    int width =
        std::max<int>(cellRect_.right - cellRect_.left, std::min<int>(want, client.right - cellRect_.left));
    RECT now;
    GetWindowRect(hwnd_, &now);
    if (now.right - now.left != width)
      SetWindowPos(hwnd_, nullptr, 0, 0, width, cellRect_.bottom - cellRect_.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  bool numeric_;
  RECT cellRect_{};
};

//--- Drop-down list editor ---------------------------------------------------------

class ListEditor : public GridEditor {
 public:
  using GridEditor::GridEditor;

  bool Make(const RECT& rect, const FirstInput& first) {
    initial_ = grid_.Model().CellText(row_, col_);
    int dropHeight = 8 * std::max<int>(16, rect.bottom - rect.top);
    hwnd_ = CreateWindowExW(0, L"COMBOBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, rect.left,
                            rect.top, rect.right - rect.left, rect.bottom - rect.top + dropHeight,
                            grid_.Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return false;
    SendMessageW(hwnd_, WM_SETFONT, WPARAM(grid_.Fonts().Get(grid_.Model().GridFont())), FALSE);
    const ColumnKindEntry* k = grid_.Model().FindColumnKind(col_);
    if (k && k->list)
      for (const std::string& item : *k->list)
        SendMessageW(hwnd_, CB_ADDSTRING, 0, LPARAM(rt::win::GbkToWide(item).c_str()));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(hwnd_, &info)) edit_ = info.hwndItem;
    SetText(hwnd_, initial_);
    Subclass(hwnd_);
    if (edit_) Subclass(edit_);
    SetFocus(edit_ ? edit_ : hwnd_);
    HWND box = edit_ ? edit_ : hwnd_;
    int length = GetWindowTextLengthW(box);
    if (first.kind == FirstInput::kSelectAll)
      SendMessageW(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else if (first.kind == FirstInput::kChar) {
      SetWindowTextW(box, L"");
      SendMessageW(box, WM_CHAR, first.ch, 0);
    } else {
      SendMessageW(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(length, length));
      if (first.kind == FirstInput::kBackspace && edit_) SendMessageW(edit_, WM_CHAR, L'\b', 0);
    }
    return true;
  }

  bool Text(std::string* gbk) const override {
    *gbk = WindowText(hwnd_);
    return true;
  }

  void TypeInput(const FirstInput& input) override {
    if (input.kind == FirstInput::kChar && edit_) SendMessageW(edit_, WM_CHAR, input.ch, 0);
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg != WM_COMMAND || reinterpret_cast<HWND>(lp) != hwnd_) return false;
    if (HIWORD(wp) == CBN_SELCHANGE) {
      int index = int(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
      if (index >= 0) {
        int length = int(SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0));
        std::wstring item(size_t(std::max(length, 0)) + 1, L'\0');
        SendMessageW(hwnd_, CB_GETLBTEXT, index, LPARAM(&item[0]));
        item.resize(size_t(std::max(length, 0)));
        SetWindowTextW(hwnd_, item.c_str());
        SendMessageW(hwnd_, CB_SHOWDROPDOWN, FALSE, 0);
        grid_.ReportListPick(row_, col_, rt::win::WideToGbk(item));
      }
    }
    *result = 0;
    return true;
  }

 protected:
  LRESULT Proc(HWND control, UINT msg, WPARAM wp, LPARAM lp) override {
    bool dropped = SendMessageW(hwnd_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (msg == WM_KEYDOWN && IsEndKey(wp) && !(dropped && wp != VK_TAB)) {
      if (wp == VK_ESCAPE) SetText(hwnd_, initial_);
      Finish(UINT(wp));
      return 0;
    }
    if (msg == WM_CHAR && (wp == L'\t' || (!dropped && (wp == L'\r' || wp == kEscapeChar)))) return 0;
    return GridEditor::Proc(control, msg, wp, lp);
  }

 private:
  HWND edit_ = nullptr;
};

//--- Date picker ------------------------------------------------------------------

class DateEditor : public GridEditor {
 public:
  using GridEditor::GridEditor;

  bool Make(const RECT& rect) {
    static bool initialised = [] {
      INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
      return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)initialised;
    initial_ = grid_.Model().CellText(row_, col_);
    hwnd_ = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT,
                            rect.left, rect.top, rect.right - rect.left, 22, grid_.Hwnd(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return false;
    SendMessageW(hwnd_, DTM_SETFORMATW, 0, LPARAM(L"yyyy-MM-dd"));
    SendMessageW(hwnd_, WM_SETFONT, WPARAM(grid_.Fonts().Get(grid_.Model().GridFont())), FALSE);
    CivilDate d;
    if (ParseDateText(initial_, &d)) {
      SYSTEMTIME st{};
      st.wYear = WORD(d.year);
      st.wMonth = WORD(d.month);
      st.wDay = WORD(d.day);
      SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&st));
    }
    Subclass(hwnd_);
    SetFocus(hwnd_);
    return true;
  }

  bool Text(std::string* gbk) const override {
    SYSTEMTIME st{};
    if (SendMessageW(hwnd_, DTM_GETSYSTEMTIME, 0, LPARAM(&st)) != GDT_VALID) {
      *gbk = initial_;
      return true;
    }
    char buf[16];
    snprintf(buf, sizeof buf, "%04u-%02u-%02u", st.wYear, st.wMonth, st.wDay);
    *gbk = buf;
    return true;
  }

  bool Owns(HWND window) const override {
    if (GridEditor::Owns(window)) return true;
    HWND calendar = reinterpret_cast<HWND>(SendMessageW(hwnd_, DTM_GETMONTHCAL, 0, 0));
    return dropped_ || (calendar && (window == calendar || IsChild(calendar, window)));
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg != WM_NOTIFY) return false;
    auto* hdr = reinterpret_cast<NMHDR*>(lp);
    if (hdr->hwndFrom != hwnd_) return false;
    if (hdr->code == DTN_DROPDOWN) dropped_ = true;
    if (hdr->code == DTN_CLOSEUP) {
      dropped_ = false;
      if (GetFocus() != hwnd_) SetFocus(hwnd_);
    }
    *result = 0;
    return true;
  }

 protected:
  LRESULT Proc(HWND control, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_KEYDOWN && IsEndKey(wp) && !dropped_) {
      Finish(UINT(wp));
      return 0;
    }
    if (msg == WM_CHAR) {
      if (wp == L'\t' || wp == L'\r' || wp == kEscapeChar) return 0;
      if (GridEventSink* sink = grid_.Sink()) sink->CharTypedInDateEditor(int(wp));
      if (!IsWindow(control)) return 0;
    }
    return GridEditor::Proc(control, msg, wp, lp);
  }

 private:
  bool dropped_ = false;
};

//--- Picture button ----------------------------------------------------------------

class PictureEditor : public GridEditor {
 public:
  using GridEditor::GridEditor;

  bool Make(const RECT& rect) {
    initial_ = grid_.Model().CellText(row_, col_);
    int w = std::min<int>(24, rect.right - rect.left), h = std::min<int>(22, rect.bottom - rect.top);
    hwnd_ = CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rect.right - w,
                            rect.top, w, h, grid_.Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return false;
    Subclass(hwnd_);
    SetFocus(hwnd_);
    return true;
  }

  bool Text(std::string*) const override { return false; }

 protected:
  LRESULT Proc(HWND control, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_LBUTTONUP) {
      CallOriginal(control, msg, wp, lp);
      Choose();
      return 0;
    }
    if (msg == WM_KEYDOWN && (wp == VK_RETURN || wp == VK_SPACE)) {
      Choose();
      return 0;
    }
    if (msg == WM_KEYDOWN && (wp == VK_ESCAPE || wp == VK_TAB)) {
      Finish(UINT(wp));
      return 0;
    }
    if ((msg == WM_CHAR || msg == WM_KEYUP) && (wp == L' ' || wp == L'\r' || wp == VK_SPACE)) return 0;
    if (msg == WM_KILLFOCUS && choosing_) return CallOriginal(control, msg, wp, lp);
    return GridEditor::Proc(control, msg, wp, lp);
  }

 private:
  void Choose() {
    if (choosing_ || finishing) return;
    choosing_ = true;
    std::string path;
    HWND gridHwnd = grid_.Hwnd();
    int row = row_, col = col_;
    bool chosen = Chooser()(gridHwnd, kPictureFileFilter, &path);
    CGridCtrl* grid = CGridCtrl::FromHwnd(gridHwnd);
    if (!grid || !IsWindow(hwnd_)) return;  // the grid went away meanwhile
    choosing_ = false;
    if (chosen) {
      uintptr_t bitmap = LoadPictureFile(path);
      // A file that does not decode leaves the cell as it was.
      if (bitmap) grid_.Model().SetCellBitmap(row, col, bitmap);
    }
    Finish(0);
  }

  bool choosing_ = false;
};

}  // namespace

uintptr_t LoadPictureFile(const std::string& gbkPath) {
  std::wstring wide = rt::win::GbkToWide(gbkPath);
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  LARGE_INTEGER size{};
  std::vector<uint8_t> bytes;
  // Pictures beyond 64 MB are not cell pictures.
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (64 << 20)) {
    bytes.resize(size_t(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) || read != bytes.size())
      bytes.clear();
  }
  CloseHandle(file);
  if (bytes.empty()) return 0;
  PictureService* service = CurrentPictureService();
  if (service) {
    if (Bitmap b = service->FromBytes(bytes.data(), bytes.size())) return b;
    if (Bitmap b = service->FromBitmapFile(gbkPath)) return b;
  }
  HANDLE loaded =
      LoadImageW(nullptr, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  return reinterpret_cast<uintptr_t>(loaded);
}

std::unique_ptr<GridEditor> MakeGridEditor(CGridCtrl& grid, int row, int col, const RECT& rect,
                                           const FirstInput& first) {
  const ColumnKindEntry* k = grid.Model().FindColumnKind(col);
  int kindCode = k ? k->kind : kind::kText;
  switch (kindCode) {
    case kind::kCheck: return nullptr;
    case kind::kList: {
      auto e = std::make_unique<ListEditor>(grid, row, col);
      return e->Make(rect, first) ? std::move(e) : nullptr;
    }
    case kind::kDate: {
      auto e = std::make_unique<DateEditor>(grid, row, col);
      return e->Make(rect) ? std::move(e) : nullptr;
    }
    case kind::kPicture: {
      auto e = std::make_unique<PictureEditor>(grid, row, col);
      return e->Make(rect) ? std::move(e) : nullptr;
    }
    default: {
      auto e = std::make_unique<TextEditor>(grid, row, col, k && k->IsNumeric());
      return e->Make(rect, first) ? std::move(e) : nullptr;
    }
  }
}

}  // namespace grid::win
