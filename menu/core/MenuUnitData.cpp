#include "menu/core/MenuUnitData.h"

#include "runtime/core/ByteArchive.h"
#include "runtime/core/UnitPropertyBlocks.h"

namespace menu {

namespace {

constexpr uint32_t kMaxIconSide = 256;

uint32_t Word(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool ReadBody(rt::ByteArchive& a, MenuUnitData* d) {
  uint32_t version = 0, style = 0;
  if (!a.Skip(rt::kReservedPropertyBytes) || !a.ReadWord(&version) || version == 0 ||
      version > kMenuDataVersion || !a.ReadWord(&style))
    return false;
  d->style = int32_t(style);
  for (Color& c : d->colors)
    if (!a.ReadWord(&c)) return false;
  std::vector<uint8_t> map;
  if (!a.ReadCountedBytes(&d->menuIcons) || !a.ReadCountedBytes(&map)) return false;
  if (!map.empty() && !ReadItemIconMap(map.data(), map.size(), &d->itemIcons)) return false;
  if (!a.ReadWord(&d->barBackColor) || !a.ReadWord(&d->iconKeyColor) || !a.ReadCountedBytes(&d->menuFont))
    return false;
  if (!d->menuFont.empty() && d->menuFont.size() != rt::kLogFontBytes) return false;
  uint32_t count = 0;
  if (!a.ReadWord(&count) || count > a.Remaining() / 12) return false;
  for (uint32_t i = 0; i < count; ++i) {
    SidePictureData s;
    uint32_t stretch = 0;
    if (!a.ReadWord(&s.barItem) || !a.ReadWord(&stretch) || !a.ReadCountedBytes(&s.bitmap)) return false;
    s.stretch = stretch != 0;
    d->sidePictures.push_back(std::move(s));
  }
  return a.AtEnd();
}

}  // namespace

bool ReadMenuUnitData(const uint8_t* block, size_t length, MenuUnitData* out) {
  MenuUnitData d;
  bool ok = block && [&] {
    rt::ByteArchive a(block, length);
    return ReadBody(a, &d);
  }();
  *out = ok ? std::move(d) : MenuUnitData{};
  return ok;
}

bool ReadItemIconMap(const uint8_t* bytes, size_t length, ItemIconMap* out) {
  if (!bytes || length < 4) return false;
  uint32_t count = Word(bytes);
  if (count > (length - 4) / 8 || length != 4 + size_t(count) * 8) return false;
  ItemIconMap map;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* pair = bytes + 4 + size_t(i) * 8;
    map[Word(pair)] = int32_t(Word(pair + 4));
  }
  *out = std::move(map);
  return true;
}

std::vector<uint8_t> WriteItemIconMap(const ItemIconMap& map) {
  rt::ByteWriter w;
  w.Word(uint32_t(map.size()));
  for (const auto& [item, icon] : map) w.Word(item).Int(icon);
  return w.Take();
}

bool ReadIconStripHeader(const uint8_t* bytes, size_t length, IconStripHeader* out) {
  if (!bytes || length <= 8) return false;
  IconStripHeader h;
  h.width = Word(bytes);
  h.height = Word(bytes + 4);
  if (h.width == 0 || h.height == 0 || h.width > kMaxIconSide || h.height > kMaxIconSide) return false;
  *out = h;
  return true;
}

}  // namespace menu
