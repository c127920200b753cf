#include "runtime/core/TemplateReader.h"

#include <algorithm>
#include <new>
#include <unordered_map>
#include <unordered_set>

#include "runtime/core/ByteArchive.h"
#include "runtime/core/DataValue.h"

namespace rt {

namespace {

constexpr size_t kReservedWords = 5;
constexpr size_t kMenuSlotBytes = 16;
constexpr uint32_t kMaxShortcut = 77;  // entries of the runtime's key-name table

//--- Unit records -------------------------------------------------------------------

// Reads `count` words, refusing a count the data cannot hold before allocating.
bool ReadWordList(ByteArchive& a, uint32_t count, std::vector<uint32_t>* out) {
  if (uint64_t(count) * 4 > a.Remaining()) return false;
  out->resize(count);
  for (uint32_t& w : *out)
    if (!a.ReadWord(&w)) return false;
  return true;
}

bool ReadControlRecord(ByteArchive& a, UnitTemplate* u) {
  uint32_t count = 0, first = 0, last = 0;
  if (!(a.ReadZeroText(&u->name) && a.ReadZeroText(&u->remark) && a.Skip(4) && a.ReadInt(&u->left) &&
        a.ReadInt(&u->top) && a.ReadInt(&u->width) && a.ReadInt(&u->height) && a.Skip(4) &&
        a.ReadWord(&u->containerId)))
    return false;
  if (!a.ReadWord(&count) || !ReadWordList(a, count, &u->containedIds)) return false;
  if (!a.ReadCountedBytes(&u->pointerBlock) || !a.ReadZeroText(&u->tagText)) return false;
  if (!a.ReadWord(&first) || !a.ReadWord(&u->state) || !a.ReadWord(&last)) return false;
  if (!a.ReadWord(&count) || uint64_t(count) * 8 > a.Remaining()) return false;
  u->events.resize(count);
  for (EventBinding& e : u->events)
    if (!a.ReadInt(&e.event) || !a.ReadWord(&e.offset)) return false;
  // From the reserved words on, the rest belongs to the unit kind.
  if (a.Remaining() < kReservedWords * 4) return false;
  return a.ReadByteVector(a.Remaining(), &u->propertyBlock);
}

bool ReadMenuItemRecord(ByteArchive& a, UnitTemplate* u) {
  return a.ReadZeroText(&u->name) && a.ReadZeroText(&u->remark) && a.ReadWord(&u->shortcut) &&
         a.ReadWord(&u->level) && a.ReadWord(&u->menuState) && a.ReadZeroText(&u->caption) &&
         a.ReadWord(&u->click.offset) && a.Skip(kMenuSlotBytes) && a.AtEnd();
}

bool ReadUnitRecord(const uint8_t* record, size_t length, uint32_t id, UnitTemplate* u) {
  ByteArchive a(record, length);
  u->id = id;
  if (!a.ReadWord(&u->typeId) || !a.Skip(kReservedWords * 4)) return false;
  // The record's layout follows the unit's role; its type must agree with the role.
  switch (RoleOf(id)) {
    case UnitRole::kWindow:
      if (u->typeId != tag::kWindow) return false;
      return ReadControlRecord(a, u);
    case UnitRole::kControl:
      if (u->typeId == tag::kWindow || u->typeId == tag::kMenuItem) return false;
      return ReadControlRecord(a, u);
    case UnitRole::kMenuItem:
      if (u->typeId != tag::kMenuItem) return false;
      return ReadMenuItemRecord(a, u);
  }
  return false;  // roles 3..15 are not used
}

// The unit table: n ids, n offsets, then the records, each a length word and its bytes.
bool ReadUnitTable(const std::vector<uint8_t>& table, uint32_t count, WindowTemplate* w) {
  const uint64_t arrays = uint64_t(count) * 8;
  if (arrays > table.size()) return false;
  ByteArchive a(table.data(), size_t(arrays));
  std::vector<uint32_t> ids, offsets;
  if (!ReadWordList(a, count, &ids) || !ReadWordList(a, count, &offsets)) return false;

  // Offsets, not positions, locate the records: any order is fine inside the table,
  // but every record must lie inside it and no two may share bytes (shared records
  // would let a small block unfold into any number of copies).
  const uint8_t* records = table.data() + arrays;
  const size_t recordsSize = table.size() - size_t(arrays);
  struct Span {
    size_t start, end;
  };
  std::vector<Span> spans(count);
  for (uint32_t i = 0; i < count; ++i) {
    size_t offset = offsets[i];
    if (recordsSize < 4 || offset > recordsSize - 4) return false;
    ByteArchive lengthWord(records + offset, 4);
    uint32_t length = 0;
    lengthWord.ReadWord(&length);
    if (length > recordsSize - offset - 4) return false;
    spans[i] = {offset, offset + 4 + length};
  }
  std::vector<Span> sorted = spans;
  std::sort(sorted.begin(), sorted.end(), [](const Span& x, const Span& y) { return x.start < y.start; });
  for (size_t i = 1; i < sorted.size(); ++i)
    if (sorted[i].start < sorted[i - 1].end) return false;

  w->units.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    const Span& s = spans[i];
    if (!ReadUnitRecord(records + s.start + 4, s.end - s.start - 4, ids[i], &w->units[i])) return false;
  }
  return true;
}

//--- Consistency of one window ------------------------------------------------------

bool CheckMenu(const WindowTemplate& w) {
  bool first = true;
  uint32_t previousLevel = 0;
  for (const UnitTemplate& u : w.units) {
    if (!u.IsMenuItem()) continue;
    if (u.shortcut > kMaxShortcut) return false;
    // A sub-menu opens one level at a time; the first item is a menu-bar entry.
    if (first ? u.level != 0 : u.level > previousLevel + 1) return false;
    previousLevel = u.level;
    first = false;
  }
  return true;
}

bool CheckContainers(const WindowTemplate& w, const std::unordered_map<uint32_t, size_t>& index) {
  auto controlAt = [&](uint32_t id, size_t* at) {
    auto it = index.find(id);
    if (it == index.end() || RoleOf(id) != UnitRole::kControl) return false;
    *at = it->second;
    return true;
  };
  size_t at = 0;
  for (const UnitTemplate& u : w.units) {
    if (u.IsMenuItem()) continue;
    if (RoleOf(u.id) == UnitRole::kWindow && u.containerId != 0) return false;
    for (uint32_t id : u.containedIds)
      if (!controlAt(id, &at)) return false;
    if (u.containerId != 0 && !controlAt(u.containerId, &at)) return false;
  }
  // Every chain of containers must end at the window: no unit may lie in itself.
  enum : uint8_t { kUnseen, kOnPath, kDone };
  std::vector<uint8_t> mark(w.units.size(), kUnseen);
  std::vector<size_t> path;
  for (size_t i = 0; i < w.units.size(); ++i) {
    path.clear();
    size_t j = i;
    for (;;) {
      if (mark[j] == kOnPath) return false;  // came back round: a cycle
      if (mark[j] == kDone) break;
      mark[j] = kOnPath;
      path.push_back(j);
      const UnitTemplate& u = w.units[j];
      if (u.IsMenuItem() || u.containerId == 0) break;
      j = index.at(u.containerId);
    }
    for (size_t k : path) mark[k] = kDone;
  }
  return true;
}

bool CheckWindow(const WindowTemplate& w) {
  if (w.units.empty() || RoleOf(w.units[0].id) != UnitRole::kWindow) return false;
  std::unordered_map<uint32_t, size_t> index;
  for (size_t i = 0; i < w.units.size(); ++i) {
    if (!index.emplace(w.units[i].id, i).second) return false;
    if (i > 0 && RoleOf(w.units[i].id) == UnitRole::kWindow) return false;  // one window unit
  }
  return CheckMenu(w) && CheckContainers(w, index);
}

//--- The block ----------------------------------------------------------------------

bool ReadWindow(ByteArchive& a, uint32_t windowId, WindowTemplate* w) {
  uint32_t count = 0, tableLength = 0;
  std::vector<uint8_t> table;
  w->windowId = windowId;
  if (!(a.ReadWord(&w->unusedWord) && a.ReadWord(&w->idWord) && a.ReadCountedText(&w->text1) &&
        a.ReadCountedText(&w->text2) && a.ReadWord(&count) && a.ReadWord(&tableLength) &&
        a.ReadByteVector(tableLength, &table)))
    return false;
  return ReadUnitTable(table, count, w) && CheckWindow(*w);
}

bool ReadBlock(const uint8_t* data, size_t length, TemplateSet* set) {
  ByteArchive a(data, length);
  uint32_t tableLength = 0;
  if (!a.ReadWord(&tableLength) || tableLength % 8 != 0 || tableLength > a.Remaining()) return false;
  std::vector<uint32_t> windowIds;
  if (!ReadWordList(a, tableLength / 8, &windowIds) || !a.Skip(tableLength / 2)) return false;

  std::unordered_set<uint32_t> seen;
  for (uint32_t id : windowIds) {
    if (!seen.insert(id).second) return false;
    set->windows.emplace_back();
    if (!ReadWindow(a, id, &set->windows.back())) return false;
  }
  return a.AtEnd();  // nothing may follow the last window
}

}  // namespace

bool LoadWindowTemplates(const uint8_t* data, size_t length, TemplateSet* out) {
  out->windows.clear();
  if (length == 0) return true;
  if (!data) return false;
  TemplateSet loaded;
  try {
    if (!ReadBlock(data, length, &loaded)) return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  *out = std::move(loaded);
  return true;
}

//--- Handler binding ----------------------------------------------------------------

namespace {

bool OffsetFits(uint32_t offset, const HandlerTable& table) {
  return offset == kNoHandlerOffset || (table.entries && offset < table.count);
}

void Bind(EventBinding* b, const HandlerTable& table) {
  b->handler = b->offset == kNoHandlerOffset ? nullptr : table.entries[b->offset];
}

}  // namespace

bool BindHandlers(TemplateSet* set, const HandlerTable& table) {
  // Check every offset first, so bad data binds nothing at all.
  for (const WindowTemplate& w : set->windows)
    for (const UnitTemplate& u : w.units) {
      if (u.IsMenuItem() && !OffsetFits(u.click.offset, table)) return false;
      for (const EventBinding& e : u.events)
        if (!OffsetFits(e.offset, table)) return false;
    }
  for (WindowTemplate& w : set->windows)
    for (UnitTemplate& u : w.units) {
      if (u.IsMenuItem()) Bind(&u.click, table);
      for (EventBinding& e : u.events) Bind(&e, table);
    }
  return true;
}

}  // namespace rt
