// The mouse and the wheel: clicks and their events, header clicks, border drags with
// and without permission, double-click fitting, the wheel's lines and pages.
#include "GridWinTestSupport.h"
#include "grid/win/TitleTip.h"

namespace gridwin_test {
namespace {

using Mouse = GridWinTest;

TEST_F(Mouse, ClickFocusesThenEditsAndHeadersRaiseTheirEvents) {
  SetTexts({{"a"}});
  Click(1, 1);
  EXPECT_EQ(M().FocusRow(), 1);
  EXPECT_EQ(M().FocusCol(), 1);
  EXPECT_EQ(sink.Joined(), "0 5");
  EXPECT_FALSE(grid->IsEditing());
  sink.log.clear();
  Click(1, 1);  // the cell that has the focus: editing starts
  EXPECT_TRUE(grid->IsEditing());
  EXPECT_EQ(sink.Joined(), "7 1 5");
  sink.log.clear();
  Click(0, 3);  // header row: the column is selected, the focus on its first body cell
  EXPECT_EQ(M().FocusRow(), 1);
  EXPECT_EQ(M().FocusCol(), 3);
  EXPECT_TRUE(M().IsSelected(5, 3));
  EXPECT_EQ(sink.Joined(), "2 0 5 8:0,3");  // the press ended the open edit first
  sink.log.clear();
  POINT header = Centre(2, 0);
  SendMessageW(grid->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(header.x, header.y));
  EXPECT_EQ(sink.Joined(), "9:2,0");
}

TEST_F(Mouse, ADoubleClickOnANewCellReportsOneFocusMoveAndABorderPressMovesTheFocus) {
  POINT at = Centre(2, 2);
  Press(at);
  Release(at);
  SendMessageW(grid->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  Release(at);
  EXPECT_EQ(sink.Joined(), "0 5 10:2,2 7 1 5");  // the cell's double-click, then editing
  EXPECT_TRUE(grid->IsEditing());
  Key(VK_ESCAPE);

  RECT r = grid->CellRect(3, 1);
  Press(POINT{r.right - 1, (r.top + r.bottom) / 2});
  EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kColBorder);
  EXPECT_EQ(M().FocusRow(), 3);
  EXPECT_EQ(M().FocusCol(), 1);
  Release(POINT{r.right - 1, (r.top + r.bottom) / 2});
}

TEST_F(Mouse, AHandlerThatClosesOnTheCellDoubleClickLeavesNothingToEdit) {
  POINT at = Centre(2, 2);
  sink.onCellDoubleClick = [&] { DestroyWindow(grid->Hwnd()); };  // a list that picks and closes
  SendMessageW(grid->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(grid->Hwnd(), nullptr);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(sink.Joined(), "0 10:2,2");
}

TEST_F(Mouse, ColumnDragNeedsPermissionAndReportsOnlyRealChanges) {
  RECT r = grid->CellRect(0, 2);
  POINT border{r.right - 1, (r.top + r.bottom) / 2};
  M().Settings().isResizeWidth = 0;
  Press(border);
  Move(POINT{border.x + 30, border.y}, true);
  Release(POINT{border.x + 30, border.y});
  EXPECT_EQ(M().ColWidth(2), 60);
  EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kNone);

  M().Settings().isResizeWidth = 1;
  sink.log.clear();
  Press(border);
  EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kColBorder);
  Move(POINT{border.x + 30, border.y}, true);
  EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kColDrag);
  Release(POINT{border.x + 30, border.y});
  EXPECT_EQ(M().ColWidth(2), 90);
  EXPECT_EQ(sink.Joined(), "4:2");  // no click event after a resize

  sink.log.clear();
  border.x += 30;
  Press(border);
  Move(POINT{border.x + 5, border.y}, true);
  Release(border);
  EXPECT_EQ(M().ColWidth(2), 90);
  EXPECT_EQ(sink.Joined(), "");  // ended up unchanged
}

// A box that pops up in the middle of a border drag takes the mouse: the drag ends
// there, the size as it was, the cursor free, the line gone.
TEST_F(Mouse, LosingTheCaptureEndsABorderDragWithoutResizing) {
  for (bool rows : {false, true}) {
    M().Settings().isResizeWidth = 1;
    M().Settings().isResizeHeight = 1;
    RECT r = grid->CellRect(rows ? 2 : 0, rows ? 0 : 2);
    POINT border =
        rows ? POINT{(r.left + r.right) / 2, r.bottom - 1} : POINT{r.right - 1, (r.top + r.bottom) / 2};
    POINT dragged = rows ? POINT{border.x, border.y + 20} : POINT{border.x + 30, border.y};
    int before = rows ? M().RowHeight(2) : M().ColWidth(2);
    sink.log.clear();
    Press(border);
    Move(dragged, true);
    ASSERT_EQ(grid->MouseMode(), rows ? grid::win::mouse::Mode::kRowDrag : grid::win::mouse::Mode::kColDrag);
    ASSERT_GE(grid->DragLinePos(), 0);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    SetCapture(other);
    EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kNone) << rows;
    EXPECT_EQ(grid->DragLinePos(), -1);
    RECT clip, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetClipCursor(&clip);
    EXPECT_TRUE(EqualRect(&clip, &screen))
        << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom;
    ReleaseCapture();
    DestroyWindow(other);
    Move(POINT{dragged.x + 10, dragged.y + 10}, true);  // no line follows the mouse now
    EXPECT_EQ(grid->DragLinePos(), -1);
    EXPECT_EQ(rows ? M().RowHeight(2) : M().ColWidth(2), before);
    EXPECT_EQ(sink.Joined(), "");
  }
}

TEST_F(Mouse, DoubleClickOnABorderFitsTheColumnToItsWidestText) {
  SetTexts({{"a much longer text than sixty pixels"}});
  RECT r = grid->CellRect(0, 1);
  POINT border{r.right - 1, (r.top + r.bottom) / 2};
  Press(border);
  Release(border);
  SendMessageW(grid->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(border.x, border.y));
  Release(border);
  EXPECT_GT(M().ColWidth(1), 120);
  EXPECT_EQ(sink.Joined(), "9:0,1 4:1");  // a header cell too

  sink.log.clear();  // a body cell's border fits too, and is no double-click on the cell
  r = grid->CellRect(2, 1);
  border = POINT{r.right - 1, (r.top + r.bottom) / 2};
  SendMessageW(grid->Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(border.x, border.y));
  Release(border);
  EXPECT_EQ(sink.Joined().find("10:"), std::string::npos);
  EXPECT_FALSE(grid->IsEditing());
}

TEST_F(Mouse, WheelScrollsItsLinesOrPages) {
  M().SetRowCount(100);
  grid->SetWheelLines(3);
  SendMessageW(grid->Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
  EXPECT_EQ(grid->TopRow(), 4);  // 1 + 3
  SendMessageW(grid->Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetWheelLines(-1);
  SendMessageW(grid->Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-240)), 0);
  EXPECT_GE(grid->TopRow(), 1 + 2 * 8);  // two pages of at least eight rows
}

TEST_F(Mouse, DraggingSelectsABlockAndTheTimerRunsOnlyWhileDragging) {
  Press(Centre(1, 1));
  EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kSelectCells);
  Move(Centre(2, 3), true);
  Release(Centre(2, 3));
  EXPECT_EQ(Dump(1, 3), "|*+|+|+|\n|+|+|+|\n||||");
  EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kNone);
}

}  // namespace
}  // namespace gridwin_test

namespace gridwin_test {
namespace {

TEST_F(Mouse, TitleTipShowsACutOffTextAndGoesWhenTheMouseLeaves) {
  SetTexts({{"short", "a text far too long for sixty pixels"}});
  Move(Centre(1, 1), false);
  EXPECT_FALSE(grid->TitleTip().Visible());
  Move(Centre(1, 2), false);
  HWND tip = grid->TitleTip().Hwnd();
  ASSERT_TRUE(tip);
  EXPECT_TRUE(IsWindowVisible(tip));
  EXPECT_EQ(grid->TitleTip().Text(), "a text far too long for sixty pixels");
  // The tip keeps no input: a move outside hides it.
  SendMessageW(tip, WM_MOUSEMOVE, 0, MAKELPARAM(-200, -200));
  EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(Mouse, EditorFocusIsNoFocusChangeAndLostCaptureStopsTheTimer) {
  SetFocus(nullptr);
  SetFocus(grid->Hwnd());
  Focus(1, 1);
  int gained = sink.gained, lost = sink.lost;
  Key(VK_F2);
  Key(VK_RETURN);
  EXPECT_EQ(sink.gained, gained);
  EXPECT_EQ(sink.lost, lost);
  Press(Centre(2, 2));
  EXPECT_EQ(grid->MouseMode(), grid::win::mouse::Mode::kSelectCells);
  SetCapture(GetParent(grid->Hwnd()));  // another window takes the mouse
  ReleaseCapture();
  MSG msg;
  Sleep(60);
  EXPECT_FALSE(PeekMessageW(&msg, grid->Hwnd(), WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

}  // namespace
}  // namespace gridwin_test
