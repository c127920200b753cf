// Copy, cut and paste through the platform clipboard in its plain ANSI text form
// (GBK bytes). The text itself is built and split by the platform-free clipboard code.
#include <cstring>

#include "grid/core/GridClipboard.h"
#include "grid/win/GridCtrl.h"
#include "grid/win/TitleTip.h"

namespace grid::win {

void CGridCtrl::CopyToClipboard() {
  std::string text = BuildClipboardText(model_);
  if (!OpenClipboard(hwnd_)) return;
  EmptyClipboard();
  // The block ends with one zero byte.
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block) {
    if (void* p = GlobalLock(block)) {
      memcpy(p, text.c_str(), text.size() + 1);
      GlobalUnlock(block);
      if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    } else {
      GlobalFree(block);
    }
  }
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
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(hwnd_)) return;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      // The block may lack its terminator: read no further than it reaches.
      size_t size = GlobalSize(data);
      text.assign(p, strnlen(p, size));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  PasteText(model_, text);
  RepaintAll();
}

}  // namespace grid::win
