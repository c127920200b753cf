// The owner-drawn menu library (library 3): one unit type, SupperMenu, and the
// notification function that receives the host callback.
#pragma once

#include "runtime/win/Library.h"

namespace menu::win {

const rt::win::LibraryInfo& OwnerMenuLibrary();

}  // namespace menu::win
