// The windows' icons, drawn in code and packed as .ico files (a directory, then per
// image a bitmap header, palette, colour bits and transparency mask).
#pragma once

#include <cstdint>
#include <vector>

namespace app {

// A ruled sheet: 32 x 32 and 16 x 16, 16 colours (main, print header, calendar windows).
const std::vector<uint8_t>& SheetIcon();

// A green disc with a stalk: 16 x 16 and 24 x 24, 256 colours (about window).
const std::vector<uint8_t>& AboutIcon();

}  // namespace app
