// The print preview window.
#include <windows.h>

#include "grid/win/GridPrinting.h"

namespace grid::win {

void RunPrintPreview(GridModel& grid) {}

}  // namespace grid::win
