// The libraries the host carries: the core library (library 1: windows, menus, the
// standard controls and the twelve core commands) and placeholder libraries for the
// grid and the lunar calendar, whose unit types exist so their
// units can be created until the real libraries take their place.
#pragma once

#include "runtime/win/Library.h"

namespace rt::win {

// A type entry the program never creates (its position in the list is still taken).
extern const UnitTypeInfo kEmptyUnitType;

const LibraryInfo& CoreLibrary();          // 51 types, 12 commands
const LibraryInfo& GridPlaceholder();      // 2 types: 1 the grid
const LibraryInfo& CalendarPlaceholder();  // 11 types: 11 the month calendar

}  // namespace rt::win
