// Copy and paste through the real clipboard.
#include <cstring>

#include "GridWinTestSupport.h"

namespace gridwin_test {
namespace {

using Clipboard = GridWinTest;

std::string ClipboardBytes(HWND owner) {
  std::string out;
  if (!OpenClipboard(owner)) return "<closed>";
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    const char* p = static_cast<const char*>(GlobalLock(h));
    out.assign(p, strnlen(p, GlobalSize(h)));
    GlobalUnlock(h);
  }
  CloseClipboard();
  return out;
}

void PutText(HWND owner, const std::string& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(h), text.c_str(), text.size() + 1);
  GlobalUnlock(h);
  SetClipboardData(CF_TEXT, h);
  CloseClipboard();
}

TEST_F(Clipboard, CopyOfATwoByThreeSelectionGivesTheExactBytes) {
  SetTexts({{"a", "", "c"}, {"d", "e", "f"}});
  Focus(1, 1);
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) M().SelectCell(r, c, true);
  Hold(VK_CONTROL, true);
  Key('C');
  Hold(VK_CONTROL, false);
  EXPECT_EQ(ClipboardBytes(grid->Hwnd()), "a\t \tc\nd\te\tf");
}

std::wstring ClipboardWide(HWND owner) {
  std::wstring out;
  if (!OpenClipboard(owner)) return L"<closed>";
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(h));
    out.assign(p, wcsnlen(p, GlobalSize(h) / sizeof(wchar_t)));
    GlobalUnlock(h);
  }
  CloseClipboard();
  return out;
}

void PutWide(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  size_t size = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(h), text.c_str(), size);
  GlobalUnlock(h);
  SetClipboardData(CF_UNICODETEXT, h);
  CloseClipboard();
}

// Whatever the system's code page (the tests run in the default, non-Chinese one), the
// Chinese texts cross the clipboard both ways intact.
TEST_F(Clipboard, ChineseCrossesAsUnicodeText) {
  SetTexts({{"销售单号", "平方米"}});
  Focus(1, 1);
  M().SelectCell(1, 1, true);
  M().SelectCell(1, 2, true);
  SendMessageW(grid->Hwnd(), WM_COPY, 0, 0);
  EXPECT_EQ(ClipboardWide(grid->Hwnd()), L"\u9500\u552e\u5355\u53f7\t\u5e73\u65b9\u7c73");
  EXPECT_EQ(ClipboardBytes(grid->Hwnd()), "销售单号\t平方米") << "the plain form stays GBK";

  PutWide(grid->Hwnd(), L"\u534e\u8054\u5efa\u6750\t\u7acb\u65b9\u7c73");  // 华联建材, 立方米
  SendMessageW(grid->Hwnd(), WM_PASTE, 0, 0);
  EXPECT_EQ(M().CellText(1, 1), "华联建材");
  EXPECT_EQ(M().CellText(1, 2), "立方米");
}

TEST_F(Clipboard, PasteSkipsHiddenRowsAndColumns) {
  M().SetColWidth(2, 0, true);
  M().SetRowHeight(2, 0, true);
  Focus(1, 1);
  PutText(grid->Hwnd(), "1,,2\t3\n\n 4 ,5,6,7,8");
  Hold(VK_CONTROL, true);
  Key('V');
  Hold(VK_CONTROL, false);
  EXPECT_EQ(Dump(1, 4), "|1*||2|3\n||||\n||||\n|4||5|6");
  M().Settings().isEdit = 0;  // no paste without editing
  PutText(grid->Hwnd(), "x");
  SendMessageW(grid->Hwnd(), WM_PASTE, 0, 0);
  EXPECT_EQ(M().CellText(1, 1), "1");
}

}  // namespace
}  // namespace gridwin_test
