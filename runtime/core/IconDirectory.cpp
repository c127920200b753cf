#include "runtime/core/IconDirectory.h"

#include <cstdlib>

namespace rt {

namespace {
uint16_t Half(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t Word(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
}  // namespace

bool ReadIconDirectory(const uint8_t* data, size_t length, IconDirectory* out) {
  *out = IconDirectory{};
  if (!data || length < 6) return false;
  uint16_t reserved = Half(data), type = Half(data + 2), count = Half(data + 4);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return false;
  out->isCursor = type == 2;
  size_t table = 6;
  for (size_t i = 0; i < count; ++i) {
    size_t at = table + i * 16;
    if (at + 16 > length) break;
    const uint8_t* e = data + at;
    IconImage img;
    img.width = e[0] ? e[0] : 256;
    img.height = e[1] ? e[1] : 256;
    img.hotspotX = Half(e + 4);
    img.hotspotY = Half(e + 6);
    img.bitCount = out->isCursor ? 0 : Half(e + 6);
    img.size = Word(e + 8);
    img.offset = Word(e + 12);
    // The image must lie wholly inside the file and after the directory.
    if (img.size < 40 || img.offset < 6 || img.offset > length || img.size > length - img.offset) continue;
    out->images.push_back(img);
  }
  return !out->images.empty();
}

int BestIconImage(const IconDirectory& dir, int wantedSize) {
  int best = -1;
  auto rank = [&](const IconImage& img) {
    // Lower is better: exact, then larger (closest), then smaller (closest).
    int d = img.width - wantedSize;
    if (d == 0) return 0;
    if (d > 0) return 1000 + d;
    return 100000 - d;
  };
  for (size_t i = 0; i < dir.images.size(); ++i) {
    const IconImage& img = dir.images[i];
    if (best < 0) {
      best = int(i);
      continue;
    }
    const IconImage& b = dir.images[size_t(best)];
    int ri = rank(img), rb = rank(b);
    if (ri < rb || (ri == rb && img.bitCount > b.bitCount)) best = int(i);
  }
  return best;
}

}  // namespace rt
