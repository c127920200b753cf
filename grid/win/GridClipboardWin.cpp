// Copy, cut and paste through the platform clipboard. The text is built and split by the
// platform-free clipboard code as GBK bytes; it crosses the clipboard both as those bytes
// (the plain text form) and as UTF-16 converted with code page 936, so other programs
// read the Chinese right whatever the system's code page. Paste prefers the UTF-16 form.
#include <cstring>

#include "grid/core/GridClipboard.h"
#include "grid/win/GridCtrl.h"
#include "grid/win/TitleTip.h"
#include "runtime/win/Gbk.h"

namespace grid::win {

namespace {

// Puts `size` bytes on the open clipboard in `format`; the clipboard owns the block after.
void PutBlock(UINT format, const void* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block) return;
  void* p = GlobalLock(block);
  if (!p) {
    GlobalFree(block);
    return;
  }
  memcpy(p, bytes, size);
  GlobalUnlock(block);
  if (!SetClipboardData(format, block)) GlobalFree(block);
}

// The clipboard's text as GBK: the UTF-16 form converted with code page 936 when there is
// one, else the plain bytes. A block without its terminator is read no further than it
// reaches.
std::string ClipboardGbk() {
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = rt::win::WideToGbk(p, wcsnlen(p, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  } else if (HANDLE bytes = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(bytes))) {
      text.assign(p, strnlen(p, GlobalSize(bytes)));
      GlobalUnlock(bytes);
    }
  }
  return text;
}

}  // namespace

void CGridCtrl::CopyToClipboard() {
  std::string text = BuildClipboardText(model_);
  if (!OpenClipboard(hwnd_)) return;
  EmptyClipboard();
  PutBlock(CF_TEXT, text.c_str(), text.size() + 1);  // ends with one zero byte
  std::wstring wide = rt::win::GbkToWide(text);
  PutBlock(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  CloseClipboard();
}

void CGridCtrl::CutToClipboard() {
  if (!model_.Settings().isEdit) return;
  CopyToClipboard();
  std::string text;
  CutSelection(model_, &text);
}

void CGridCtrl::PasteFromClipboard() {
  if (!model_.Settings().isEdit || !CellEditable(model_.FocusRow(), model_.FocusCol())) return;
  bool available = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
  if (!available || !OpenClipboard(hwnd_)) return;
  std::string text = ClipboardGbk();
  CloseClipboard();
  PasteText(model_, text);
  RepaintAll();
}

}  // namespace grid::win
