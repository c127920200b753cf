// Where the focus goes for a navigation key: Tab and Shift+Tab, Enter by its
// function, the arrows, Home and End. Platform-free; the window layer maps keys, does
// the scrolling and applies the move.
#pragma once

#include "grid/core/GridLayout.h"
#include "grid/core/GridModel.h"

namespace grid {

enum class NavKey { Tab, ShiftTab, Enter, Left, Right, Up, Down, Home, End, CtrlHome, CtrlEnd };

struct NavMove {
  CellPos cell;              // the new focus (the old one when nothing moves)
  bool toLeftEdge = false;   // scroll to the left edge (Tab wrapping, Home)
  bool toRightEdge = false;  // scroll to the right edge (Shift+Tab wrapping, End)
};

// The move from `focus` (a master for a merged block). Enter follows the grid's
// EnterFunction (0: no move). A covered target is replaced by its block's master.
NavMove Navigate(const GridModel& model, CellPos focus, NavKey key);

// The focus row after scrolling `rowsScrolled` rows (Page Up / Down), held within the
// body rows.
int PagedRow(const GridModel& model, int row, int rowsScrolled);

// The master of the block holding the cell, or the cell itself.
CellPos MasterOf(const GridModel& model, CellPos cell);

}  // namespace grid
