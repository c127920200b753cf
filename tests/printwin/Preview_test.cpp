// The preview window, driven inside its modal loop: page status and navigation, zoom
// limits, the page-jump and margins dialogs, and printing with the button hidden.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/core/GridModel.h"
#include "grid/win/GridPreview.h"
#include "grid/win/GridPrinting.h"
#include "resources/GridPreviewIds.h"
#include "tests/printwin/PrintTestSupport.h"
#include "tests/win/HostTestSupport.h"

namespace {

using grid::GridModel;
using grid::win::CurrentPreview;

void MakeTable(GridModel& g, int rows, int rowHeight = 24) {
  g.SetRowCount(rows + 1);
  g.SetColCount(4);
  g.SetHeadRowCount(1);
  for (int r = 0; r <= rows; ++r) g.SetRowHeight(r, rowHeight, true);
  for (int c = 0; c < 4; ++c) g.SetColWidth(c, 80, true);
  for (int c = 0; c < 4; ++c) g.SetCellText(0, c, "表头" + std::to_string(c + 1));
  for (int r = 1; r <= rows; ++r) g.SetCellText(r, 0, "row" + std::to_string(r));
  g.Title().text = "预览标题";
  g.Title().face = "宋体";
  g.Title().size = 22;
  g.Settings().printPageNo = 2;
  g.Settings().printDate = 3;
}

// Runs the preview with `body` inside its modal loop; the window is closed afterwards.
void WithPreview(GridModel& g, const std::function<void(HWND)>& body) {
  grid::win::PreviewHook old = grid::win::SetPreviewOpenedHook([&](HWND w) {
    body(w);
    if (CurrentPreview()) SendMessageW(w, WM_COMMAND, QGRID_IDC_EXIT, 0);
  });
  grid::win::RunPrintPreview(g);
  grid::win::SetPreviewOpenedHook(old);
}

void Click(HWND w, int id) {
  SendMessageW(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(w, id)));
}

std::wstring TextOf(HWND w, int id) {
  wchar_t text[64] = {};
  GetDlgItemTextW(w, id, text, 64);
  return text;
}

// Types into a field and moves the focus away.
void Type(HWND d, int id, const wchar_t* text) {
  SetDlgItemTextW(d, id, text);
  SendMessageW(d, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), LPARAM(GetDlgItem(d, id)));
}

// Answers the next page-jump or margins dialog with `body`.
class DialogAnswer {
 public:
  explicit DialogAnswer(std::function<void(HWND)> body)
      : previous_(grid::win::SetPreviewDialogHook(std::move(body))) {}
  ~DialogAnswer() { grid::win::SetPreviewDialogHook(previous_); }

 private:
  grid::win::PreviewHook previous_;
};

class PreviewTest : public ::testing::Test {
 protected:
  host_test::PromptSeam prompts;
};

TEST_F(PreviewTest, OnePageTableZoomLimitsAndAScreenshot) {
  GridModel g;
  MakeTable(g, 5);
  // A window of the thread behind the preview takes no input while it is open.
  HWND behind = CreateWindowExW(0, L"STATIC", L"behind", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, nullptr, nullptr);
  WithPreview(g, [&](HWND w) {
    const grid::win::PreviewState* s = CurrentPreview();
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(IsWindowEnabled(behind));
    EXPECT_EQ(s->pageCount, 1);
    EXPECT_EQ(TextOf(w, QGRID_IDC_STATUS), L"1 / 1");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, QGRID_IDC_PREV)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, QGRID_IDC_NEXT)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(w, QGRID_IDC_PRINT)));
    EXPECT_TRUE(s->zoomChosen);
    EXPECT_GE(s->zoom, 300);
    // Let the display catch up with the maximised window before the screenshot.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 1500;) {
      MSG m;
      while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
      }
      Sleep(20);
    }
    print_test::Shell("import -window root /tmp/notewriter-preview.png");

    Click(w, QGRID_IDC_ZOOMIN);  // from the fitted zoom, ten steps reach the top
    for (int i = 0; i < 10; ++i) Click(w, QGRID_IDC_ZOOMIN);
    EXPECT_EQ(s->zoom, 3000);
    for (int i = 0; i < 12; ++i) Click(w, QGRID_IDC_ZOOMOUT);
    EXPECT_EQ(s->zoom, 300);

    // A very narrow window: fit width stops at 300.
    ShowWindow(w, SW_RESTORE);
    MoveWindow(w, 0, 0, 120, 400, TRUE);
    Click(w, QGRID_IDC_FITWIDTH);
    EXPECT_EQ(s->zoom, 300);
  });
  EXPECT_EQ(CurrentPreview(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(behind));
  DestroyWindow(behind);
}

TEST_F(PreviewTest, NavigationAndThePageJumpDialog) {
  GridModel g;
  MakeTable(g, 100);
  WithPreview(g, [&](HWND w) {
    const grid::win::PreviewState* s = CurrentPreview();
    const int n = s->pageCount;
    ASSERT_GE(n, 3);
    const std::wstring count = std::to_wstring(n);
    EXPECT_EQ(TextOf(w, QGRID_IDC_STATUS), L"1 / " + count);
    Click(w, QGRID_IDC_NEXT);
    EXPECT_EQ(s->currentPage, 2);
    EXPECT_EQ(TextOf(w, QGRID_IDC_STATUS), L"2 / " + count);
    Click(w, QGRID_IDC_PREV);
    EXPECT_EQ(s->currentPage, 1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, QGRID_IDC_PREV)));

    std::wstring shown8, shown0;
    {
      DialogAnswer answer([&](HWND d) {
        Type(d, QGRID_IDC_GOTO_EDIT, std::to_wstring(n + 3).c_str());
        shown8 = TextOf(d, QGRID_IDC_GOTO_EDIT);
        Type(d, QGRID_IDC_GOTO_EDIT, L"0");
        shown0 = TextOf(d, QGRID_IDC_GOTO_EDIT);
        Click(d, QGRID_IDC_GOTO_OK);  // 1 = the current page: closes without moving
      });
      Click(w, QGRID_IDC_GOTO);
    }
    EXPECT_EQ(shown8, count);
    EXPECT_EQ(shown0, L"1");
    EXPECT_EQ(s->currentPage, 1);
    {
      DialogAnswer answer([&](HWND d) {
        SetDlgItemTextW(d, QGRID_IDC_GOTO_EDIT, L"abc");
        Click(d, QGRID_IDC_GOTO_OK);  // refused with the standard message, still open
        SetDlgItemTextW(d, QGRID_IDC_GOTO_EDIT, L"10000");
        Click(d, QGRID_IDC_GOTO_OK);
        SetDlgItemTextW(d, QGRID_IDC_GOTO_EDIT, count.c_str());
        Click(d, QGRID_IDC_GOTO_OK);
      });
      Click(w, QGRID_IDC_GOTO);
    }
    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[0].text, "请键入一个整数。");
    EXPECT_EQ(prompts.boxes[1].text, "“请填入一个在1和9999之间的整数。”");
    EXPECT_EQ(s->currentPage, n);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(w, QGRID_IDC_PREV)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, QGRID_IDC_NEXT)));
  });
}

TEST_F(PreviewTest, MarginsDialogClampsAndCancelKeepsTheLayout) {
  GridModel g;
  MakeTable(g, 3);
  const grid::PrintLayout before = g.Layout();
  WithPreview(g, [&](HWND w) {
    std::wstring top;
    {
      DialogAnswer answer([&](HWND d) {
        Type(d, QGRID_IDC_MARGIN_TOP, L"1200");
        top = TextOf(d, QGRID_IDC_MARGIN_TOP);
        Click(d, QGRID_IDC_MARGIN_DEFAULT);
        Click(d, QGRID_IDC_MARGIN_CANCEL);
      });
      Click(w, QGRID_IDC_MARGINS);
    }
    EXPECT_EQ(top, L"999");
    EXPECT_TRUE(g.Layout() == before);
    {
      DialogAnswer answer([&](HWND d) {
        Type(d, QGRID_IDC_MARGIN_LEFT, L"150");
        Click(d, QGRID_IDC_MARGIN_OK);
      });
      Click(w, QGRID_IDC_MARGINS);
    }
    EXPECT_EQ(g.Layout().leftMargin, 150);
    EXPECT_EQ(g.Layout().topMargin, before.topMargin);
  });
}

TEST_F(PreviewTest, HiddenPrintButtonStillPrintsWithCtrlP) {
  print_test::RequirePdfPrinter();
  if (IsSkipped() || HasFatalFailure()) return;
  GridModel g;
  MakeTable(g, 3);
  g.Settings().showPrintButton = 0;
  g.Settings().isShowDiglog = 0;
  print_test::RemovePdfs("NotePreview");
  grid::win::SetPrintDocumentTitle("NotePreview");
  bool hidden = false;
  WithPreview(g, [&](HWND w) {
    hidden = !IsWindowVisible(GetDlgItem(w, QGRID_IDC_PRINT));
    SetFocus(GetDlgItem(w, QGRID_IDC_EXIT));
    INPUT keys[4] = {};
    for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = 'P';
    keys[2].ki.wVk = 'P';
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_CONTROL;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    // The keys are handled by the loop after this hook returns; give it the time.
    for (int i = 0; i < 100 && CurrentPreview(); ++i) {
      MSG m;
      while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (!CallMsgFilterW(&m, MSGF_DIALOGBOX) && !IsDialogMessageW(w, &m)) {
          TranslateMessage(&m);
          DispatchMessageW(&m);
        }
        if (!CurrentPreview()->printAfterClose) continue;
        break;
      }
      if (CurrentPreview()->printAfterClose) break;
      Sleep(20);
    }
  });
  grid::win::SetPrintDocumentTitle("");
  EXPECT_TRUE(hidden);
  EXPECT_FALSE(print_test::WaitForPdf("NotePreview").empty());
}

}  // namespace
