// The grid window's input state, one small struct per job, so that each source file
// touches its own: the left button's press and selection drag (GridMouse.cpp), a border
// being dragged and sizes not yet reported (GridMouse.cpp), the open editor
// (GridEditing.cpp), the wheel (GridMouse.cpp) and the painting (GridView.cpp).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "grid/core/GridLayout.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

class GridEditor;

namespace mouse {
// What the left button is doing. The numbers are those of the grid's documented input
// state; the gaps are modes this grid never enters.
enum class Mode {
  kNone = 0,
  kSelectRows = 3,           // a selection drag of whole rows (SelectRow)
  kSelectCells = 4,          // a selection drag of cells
  kRowBorder = 6,            // a row border grabbed, not moved yet
  kRowDrag = 7,              // a row height being dragged
  kColBorder = 8,            // a column border grabbed, not moved yet
  kColDrag = 9,              // a column width being dragged
  kPressedFocus = 10,        // pressed on the focus cell (possible only on a border)
  kPressedSelectedRow = 11,  // pressed on a selected cell while SelectRow is set
};
}  // namespace mouse

// Rows or columns: which way a border runs, which size a fit changes.
enum class Axis { kNone, kRow, kColumn };

// The left button's last press and the selection drag it may have started.
struct PressState {
  mouse::Mode mode = mouse::Mode::kNone;
  CellPos downCell{-1, -1};             // under the press (a covered cell: its master)
  CellPos focusBefore{-1, -1};          // the focus cell before the press
  bool releaseEndsDoubleClick = false;  // the double-click already moved the focus and edits
  bool timerRunning = false;            // the auto-scroll timer of a selection drag
};

// A row or column border being dragged, and sizes the user changed that the button's
// release has not reported yet.
struct ResizeState {
  Axis axis = Axis::kNone;  // which kind of border is grabbed
  int index = -1;           // row or column whose border is grabbed
  int startSize = 0;        // its size when grabbed
  int grabbedAt = 0;        // client x or y of the press that grabbed the border
  int linePos = -1;         // client x or y of the inverted line, -1 none
  int changedRow = -1;      // row whose height changed, -1 none
  int changedCol = -1;      // column whose width changed, -1 none

  void Changed(Axis axis, int changed) { (axis == Axis::kColumn ? changedCol : changedRow) = changed; }
  bool AnyChanged() const { return changedRow >= 0 || changedCol >= 0; }
};

// The open in-place editor, and the list item last reported for each list cell.
struct EditState {
  std::unique_ptr<GridEditor> editor;
  std::map<std::pair<int, int>, std::string> lastListPicks;
};

// Lines per wheel notch (-1 a page), and the part of a notch not scrolled yet.
struct WheelState {
  int lines = 3;
  int remainder = 0;
};

// The back buffer the window paints through, and the scroll bars as last set (a bar
// is set again only when it would look different).
struct PaintState {
  rt::win::ScopedBitmap backBuffer;
  SIZE backBufferSize{0, 0};
  SCROLLINFO lastVScroll{}, lastHScroll{};
};

}  // namespace grid::win
