// The libraries the host carries: the core library (library 1: windows, menus, the
// standard controls and the twelve core commands) and placeholder libraries for the
// owner-drawn menu, whose unit type exists so its units can be created until the real
// library takes its place (the grid and calendar libraries live in grid/ and calendar/).
#pragma once

#include "runtime/win/Library.h"

namespace rt::win {

// A type entry the program never creates (its position in the list is still taken).
extern const UnitTypeInfo kEmptyUnitType;

const LibraryInfo& CoreLibrary();           // 51 types, 12 commands
const LibraryInfo& OwnerMenuPlaceholder();  // 1 type: the owner-drawn menu (no window)

}  // namespace rt::win
