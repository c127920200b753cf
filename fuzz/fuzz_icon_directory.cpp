// Icon and cursor files as window templates carry them: the directory reader must never
// read outside the file, and every image it accepts must lie wholly inside it.
#include <cstddef>
#include <cstdint>

#include "runtime/core/IconDirectory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rt::IconDirectory dir;
  if (!rt::ReadIconDirectory(data, size, &dir)) return 0;
  for (const rt::IconImage& img : dir.images) {
    if (img.offset > size || img.size > size - img.offset) __builtin_trap();
    // Touch the first and last byte the caller would hand to the platform.
    volatile uint8_t first = data[img.offset], last = data[img.offset + img.size - 1];
    (void)first;
    (void)last;
  }
  for (int wanted : {16, 24, 32, 48, 256}) {
    int best = rt::BestIconImage(dir, wanted);
    if (best < 0 || size_t(best) >= dir.images.size()) __builtin_trap();
  }
  return 0;
}
