// Any bytes handed to the grid file loader: no crash, hang or runaway allocation; the
// loader accepts exactly what the checking reader accepts; and what was loaded saves to
// a file that loads again, settling on bytes that save and load unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "grid/core/GridFile.h"
#include "grid/core/GridFileFormat.h"
#include "grid/core/GridModel.h"
#include "grid/core/PictureService.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static grid::MemoryPictureService pictures;
  static grid::ScopedPictureService installed(&pictures);

  grid::GridFileImage image;
  std::string error;
  const bool parsed = grid::ParseGridFile(data, size, &image, &error);
  if (!parsed && error.empty()) abort();

  // The image writes back to bytes the reader takes, and that form is stable (bytes
  // after the last section are not kept, so the rewrite may fall under the size floor).
  if (parsed && grid::EncodeGridFile(image).size() > grid::kGridFileMinimumRefused) {
    std::vector<uint8_t> encoded = grid::EncodeGridFile(image);
    grid::GridFileImage again;
    if (!grid::ParseGridFile(encoded.data(), encoded.size(), &again)) abort();
    if (grid::EncodeGridFile(again) != encoded) abort();
  }

  grid::GridModel grid;
  const bool loaded = grid::LoadGridFromBuffer(grid, data, size);
  if (loaded != parsed) abort();
  if (!loaded) return 0;

  // A file may hold what the grid would never write (a state list that clears the covered
  // bit inside a merged block, say), so the first save need not reload identically; from
  // then on saving and loading must be a fixed point.
  std::vector<uint8_t> saved = grid::SaveGridToBuffer(grid);
  if (saved.size() <= grid::kGridFileMinimumRefused) return 0;  // the format's own floor
  for (int round = 0; round < 2; ++round) {
    grid::GridModel next;
    if (!grid::LoadGridFromBuffer(next, saved.data(), saved.size())) abort();
    std::vector<uint8_t> resaved = grid::SaveGridToBuffer(next);
    if (round == 1 && resaved != saved) abort();
    saved.swap(resaved);
  }
  return 0;
}
