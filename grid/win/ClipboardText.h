// The grid's clipboard text: built over the selection, and pasted at the focus cell.
#pragma once

#include <string>
#include <string_view>

#include "grid/core/GridModel.h"

namespace grid::win::clip {

std::string BuildClipboardText(const GridModel& model);
bool PasteText(GridModel& model, std::string_view text);

}  // namespace grid::win::clip
