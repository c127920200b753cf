// The libraries the host carries: the core library (library 1: windows, menus, the
// standard controls and the twelve core commands) and placeholder libraries for the
// owner-drawn menu and the lunar calendar, whose unit types exist so their units can be
// created until the real libraries take their place (the grid library lives in grid/).
#pragma once

#include "runtime/win/Library.h"

namespace rt::win {

// A type entry the program never creates (its position in the list is still taken).
extern const UnitTypeInfo kEmptyUnitType;

const LibraryInfo& CoreLibrary();           // 51 types, 12 commands
const LibraryInfo& OwnerMenuPlaceholder();  // 1 type: the owner-drawn menu (no window)
const LibraryInfo& CalendarPlaceholder();   // 11 types: 11 the month calendar

}  // namespace rt::win
