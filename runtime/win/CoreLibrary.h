// The library the host carries: the core library (library 1: windows, menus, the
// standard controls and the thirteen core commands). The grid, owner-drawn menu and
// calendar libraries live in grid/, menu/ and calendar/.
#pragma once

#include "runtime/win/Library.h"

namespace rt::win {

// A type entry the program never creates (its position in the list is still taken).
extern const UnitTypeInfo kEmptyUnitType;

const LibraryInfo& CoreLibrary();  // 51 types, 12 commands

}  // namespace rt::win
