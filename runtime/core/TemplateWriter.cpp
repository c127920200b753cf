#include "runtime/core/TemplateWriter.h"

#include "runtime/core/ByteArchive.h"

namespace rt {

namespace {
constexpr size_t kReservedBytes = 20;
constexpr size_t kMenuSlotBytes = 16;
}  // namespace

std::vector<uint8_t> WriteUnitRecord(const UnitTemplate& u) {
  ByteWriter w;
  w.Word(u.typeId).Zeros(kReservedBytes).ZeroText(u.name).ZeroText(u.remark);
  if (u.IsMenuItem()) {
    w.Word(u.shortcut).Word(u.level).Word(u.menuState).ZeroText(u.caption).Word(u.click.offset);
    w.Zeros(kMenuSlotBytes);
    return w.Take();
  }
  w.Word(0).Int(u.left).Int(u.top).Int(u.width).Int(u.height).Word(0).Word(u.containerId);
  w.Word(uint32_t(u.containedIds.size()));
  for (uint32_t id : u.containedIds) w.Word(id);
  w.CountedBytes(u.pointerBlock).ZeroText(u.tagText).Word(0).Word(u.state).Word(0);
  w.Word(uint32_t(u.events.size()));
  for (const EventBinding& e : u.events) w.Int(e.event).Word(e.offset);
  // A kind with no data of its own still carries the reserved words.
  if (u.propertyBlock.empty())
    w.Zeros(kReservedBytes);
  else
    w.Bytes(u.propertyBlock);
  return w.Take();
}

std::vector<uint8_t> WriteWindowRecord(const WindowTemplate& window) {
  ByteWriter records;
  std::vector<uint32_t> offsets;
  for (const UnitTemplate& u : window.units) {
    offsets.push_back(uint32_t(records.Size()));
    records.CountedBytes(WriteUnitRecord(u));
  }
  ByteWriter w;
  w.Word(window.unusedWord).Word(window.idWord).CountedText(window.text1).CountedText(window.text2);
  w.Word(uint32_t(window.units.size()));
  w.Word(uint32_t(window.units.size() * 8 + records.Size()));
  for (const UnitTemplate& u : window.units) w.Word(u.id);
  for (uint32_t offset : offsets) w.Word(offset);
  w.Bytes(records.Data());
  return w.Take();
}

std::vector<uint8_t> WriteWindowTemplates(const TemplateSet& set) {
  ByteWriter w;
  w.Word(uint32_t(set.windows.size() * 8));
  for (const WindowTemplate& window : set.windows) w.Word(window.windowId);
  w.Zeros(set.windows.size() * 4);  // placeholders for the loaded records
  for (const WindowTemplate& window : set.windows) w.Bytes(WriteWindowRecord(window));
  return w.Take();
}

}  // namespace rt
