// Mouse pointers of units (common property 7): a four-byte block holds a pointer code
// (0 = the default pointer), a longer one the bytes of a cursor or icon file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace rt::win {

// The pointer for a unit's block; *owned tells whether the caller must destroy it.
// Null for the default pointer and for unreadable data.
HCURSOR CursorFromPointerBlock(const std::vector<uint8_t>& block, bool* owned);

}  // namespace rt::win
