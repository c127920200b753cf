// The grid's clipboard text: what copy puts on the clipboard and how pasted text is
// spread over the cells. Platform-free; the window layer moves the bytes to and from
// the clipboard (adding the terminating zero byte there).
#pragma once

#include <string>
#include <string_view>

namespace grid {

class GridModel;

// The text of the rectangle bounding the selection (the focus cell alone when nothing
// is selected; empty when there is neither). Rows of height 0 and columns of width 0
// are left out. A cell's text is written when CanSelection is false or the cell is
// selected, an empty text as one space; a tab follows every column but the last and a
// line feed (no carriage return) every row but the last.
std::string BuildClipboardText(const GridModel& grid);

// Copy, then empty the selected cells through the text setter (with recalculation).
// Nothing happens, and false comes back, while IsEdit is false.
bool CutSelection(GridModel& grid, std::string* text);

// Spreads pasted text from the focus cell on. Needs a focus cell that may be edited
// (IsEdit and no read-only bit); false otherwise, with nothing changed.
//
// Lines end at line feeds (an empty line counts as one space; an empty rest after the
// last line feed, or an empty text, is no line). A line's items are separated by tabs, commas and line
// feeds, empty items being dropped. Line k goes to the k-th row at or below the focus
// row and item m to the m-th column at or right of the focus column, counting only rows
// and columns of positive size. Items are trimmed of white space and stored through the
// text setter with recalculation, except in picture columns; a stored cell loses its
// selected bit. What falls outside the grid is dropped. Linear in the text and the grid.
bool PasteText(GridModel& grid, std::string_view text);

}  // namespace grid
