// Keys and editing: Enter by its function, Tab storing and editing on, SelectRow,
// number clean-up, event 7, Delete, Space in check columns, Esc.
#include "GridWinTestSupport.h"

namespace gridwin_test {
namespace {

using Keys = GridWinTest;

TEST_F(Keys, EnterWithEachFunctionIncludingTheLastRowAndColumn) {
  Focus(5, 2);
  M().Settings().enterFunction = 2;
  Key(VK_RETURN);
  EXPECT_EQ(M().FocusRow(), 1);  // last row: the next column's first body row
  EXPECT_EQ(M().FocusCol(), 3);
  EXPECT_EQ(sink.Joined(), "0");
  Focus(5, 4);
  Key(VK_RETURN);
  EXPECT_EQ(M().FocusRow(), 5);
  EXPECT_EQ(M().FocusCol(), 4);
  EXPECT_EQ(sink.Joined(), "");

  M().Settings().enterFunction = 1;
  Focus(2, 4);
  Key(VK_RETURN);
  EXPECT_EQ(M().FocusRow(), 3);
  EXPECT_EQ(M().FocusCol(), 1);

  M().Settings().enterFunction = 0;
  Focus(2, 2);
  Key(VK_RETURN);
  Char(L'\r');  // Enter starts editing, caret at the end
  EXPECT_TRUE(grid->IsEditing());
  Key(VK_RETURN);  // and ends it, the focus staying
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(M().FocusRow(), 2);
  EXPECT_EQ(sink.Joined(), "7 1 2");
}

TEST_F(Keys, SelectRowDisablesTabEnterLeftRightAndDelete) {
  SetTexts({{"a", "b"}});
  M().SetSelectRow(1);
  M().Settings().enterFunction = 2;
  Focus(1, 2);
  for (UINT vk : {VK_TAB, VK_RETURN, VK_LEFT, VK_RIGHT, VK_DELETE}) Key(vk);
  EXPECT_EQ(M().FocusRow(), 1);
  EXPECT_EQ(M().FocusCol(), 2);
  EXPECT_EQ(M().CellText(1, 2), "b");
  Key(VK_DOWN);  // Up and Down still move
  EXPECT_EQ(M().FocusRow(), 2);
}

TEST_F(Keys, TabStoresMovesRightAndEditsTheNextCellWithItsTextSelected) {
  SetTexts({{"", "next"}});
  Focus(1, 1);
  Type("abc");
  EXPECT_EQ(EditorText(), "abc");
  Key(VK_TAB);
  EXPECT_EQ(M().CellText(1, 1), "abc");
  EXPECT_EQ(M().FocusCol(), 2);
  ASSERT_TRUE(grid->IsEditing());
  EXPECT_EQ(EditorText(), "next");
  DWORD start = 1, end = 0;
  SendMessageW(grid->EditorHwnd(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);
  EXPECT_EQ(sink.Joined(), "7 1 2 0 7 1");

  // Enter with function 2 stores and moves down without a new editor.
  M().Settings().enterFunction = 2;
  Type("x");
  Key(VK_RETURN);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(M().CellText(1, 2), "x");
  EXPECT_EQ(M().FocusRow(), 2);
}

TEST_F(Keys, NumberCellsCleanUpLeadingZerosAndATrailingPoint) {
  M().SetColumnKind(2, 2);  // number
  M().SetDecimalPlaces(2, 2);
  M().SetColumnKind(3, 2);
  M().SetDecimalPlaces(3, 10);  // texts kept as cleaned up
  Focus(1, 2);
  Type("007");
  Key(VK_TAB);
  EXPECT_EQ(M().CellText(1, 2), "7.00");
  Type("5.");
  Type("a.-");  // refused: letters, a second point, a minus not at the start
  Key(VK_RETURN);
  EXPECT_EQ(M().CellText(1, 3), "5");
  // A first minus replaces the text; a refused first letter keeps it.
  Char(L'-');
  Type("2");
  Key(VK_RETURN);
  EXPECT_EQ(M().CellText(1, 3), "-2");
  Char(L'q');
  EXPECT_EQ(EditorText(), "-2");
  Key(VK_ESCAPE);
}

TEST_F(Keys, EventSevenFalseStopsEditingButNotDelete) {
  SetTexts({{"keep", "x"}});
  sink.canEdit = false;
  Focus(1, 1);
  M().SelectCell(1, 2, true);
  Char(L'z');
  Key(VK_F2);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(sink.Joined(), "7 7");
  Key(VK_DELETE);
  EXPECT_EQ(M().CellText(1, 1), "");
  EXPECT_EQ(M().CellText(1, 2), "");
}

TEST_F(Keys, EscPutsTheTextBackAndStillRaisesEndOfEditing) {
  SetTexts({{"old"}});
  Focus(1, 1);
  Type("new");
  Key(VK_ESCAPE);
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ(M().CellText(1, 1), "old");
  EXPECT_EQ(sink.Joined(), "7 1 2");
  // Backspace as first input deletes the last character.
  Char(L'\b');
  Key(VK_RETURN);
  EXPECT_EQ(M().CellText(1, 1), "ol");
}

TEST_F(Keys, SpaceTogglesACheckCellThroughTheEditPath) {
  M().SetColumnKind(1, 5);  // check
  Focus(1, 1);
  M().SetCellText(1, 1, "t");
  Key(VK_SPACE);
  EXPECT_EQ(M().Cell(1, 1)->GetCheck(), 1);
  EXPECT_EQ(M().CellText(1, 1), "");
  EXPECT_EQ(M().Cell(1, 1)->GetFormat(), 0x825u);
  EXPECT_EQ(sink.Joined(), "7 1 2");
  sink.canEdit = false;
  Key(VK_SPACE);
  EXPECT_EQ(M().Cell(1, 1)->GetCheck(), 1);
  M().SetCellState(1, 1, M().Cell(1, 1)->GetState() | grid::state::kReadOnly);
  sink.canEdit = true;
  sink.log.clear();
  Key(VK_SPACE);
  EXPECT_EQ(sink.Joined(), "");  // read-only: not even asked
}

TEST_F(Keys, ShiftArrowsExtendTheSelectionAndTabDoesNot) {
  Focus(1, 1);
  Hold(VK_SHIFT, true);
  Key(VK_RIGHT);
  Key(VK_DOWN);
  Hold(VK_SHIFT, false);
  EXPECT_EQ(Dump(1, 2), "|+|+||\n|+|*+||");
  Key(VK_RIGHT);
  EXPECT_EQ(Dump(1, 2), "||||\n|||*+|");
}

}  // namespace
}  // namespace gridwin_test
