// The grid library (library 2 of the program): its two unit types (1 the grid unit),
// its fifteen commands, and its notification function, which at start takes the
// host's callback and installs what the commands need: the resolver from a unit
// reference to its grid (host callback 2007) and the picture service (1003, 2034).
#pragma once

#include "runtime/win/Library.h"

namespace grid::win {

const rt::win::LibraryInfo& GridLibrary();

// The library's notification function (also for hosts that wrap it).
intptr_t GridLibraryNotify(int code, intptr_t arg1, intptr_t arg2);

}  // namespace grid::win
