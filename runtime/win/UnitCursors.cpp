#include "runtime/win/UnitCursors.h"

#include <cstring>

#include "runtime/core/IconDirectory.h"

namespace rt::win {

namespace {

constexpr size_t kPointerCodeBytes = 4;  // a block of this size holds a pointer code
constexpr size_t kHotSpotBytes = 4;      // a cursor resource starts with its hot spot

// Pointer codes 1..15 name the system's pointers (their resource numbers).
const WORD kSystemCursors[] = {
    0,
    32512 /* arrow */,
    32515 /* cross */,
    32513 /* I-beam */,
    32512 /* icon: arrow */,
    32646 /* size all */,
    32643 /* NE-SW */,
    32645 /* N-S */,
    32642 /* NW-SE */,
    32644 /* W-E */,
    32516 /* up arrow */,
    32514 /* wait */,
    32648 /* no */,
    32650 /* app starting */,
    32651 /* help */,
    32649 /* hand */,
};

}  // namespace

HCURSOR CursorFromPointerBlock(const std::vector<uint8_t>& block, bool* owned) {
  *owned = false;
  if (block.size() < kPointerCodeBytes) return nullptr;
  if (block.size() == kPointerCodeBytes) {
    uint32_t code;
    std::memcpy(&code, block.data(), kPointerCodeBytes);
    if (code == 0 || code >= sizeof(kSystemCursors) / sizeof(kSystemCursors[0])) return nullptr;
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(kSystemCursors[code]));
  }
  IconDirectory dir;
  if (!ReadIconDirectory(block.data(), block.size(), &dir)) return nullptr;
  int best = BestIconImage(dir, GetSystemMetrics(SM_CXCURSOR));
  if (best < 0) return nullptr;
  const IconImage& img = dir.images[size_t(best)];
  // A cursor resource is the hot spot (two 16-bit values) followed by the image.
  std::vector<uint8_t> res(kHotSpotBytes + img.size);
  uint16_t hot[2] = {dir.isCursor ? img.hotspotX : uint16_t(img.width / 2),
                     dir.isCursor ? img.hotspotY : uint16_t(img.height / 2)};
  std::memcpy(res.data(), hot, kHotSpotBytes);
  std::memcpy(res.data() + kHotSpotBytes, block.data() + img.offset, img.size);
  HCURSOR c = reinterpret_cast<HCURSOR>(CreateIconFromResourceEx(
      res.data(), DWORD(res.size()), FALSE, kIconResourceVersion, 0, 0, LR_DEFAULTCOLOR));
  *owned = c != nullptr;
  return c;
}

}  // namespace rt::win
