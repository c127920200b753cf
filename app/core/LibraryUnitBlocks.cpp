#include "app/core/LibraryUnitBlocks.h"

#include <cstring>

#include "runtime/core/ByteArchive.h"

namespace app {

namespace {
rt::ByteWriter Start() {
  rt::ByteWriter w;
  w.Zeros(rt::kReservedPropertyBytes);
  return w;
}
uint32_t Flag(bool b) { return b ? 1 : 0; }
}  // namespace

//--- Grid ---------------------------------------------------------------------------

std::vector<uint8_t> WriteGridUnitBlock(const GridUnitProps& p) {
  // Each value with the data version that introduced it, in stored order.
  struct Entry {
    uint32_t since;
    uint32_t value;
  };
  const Entry entries[] = {
      {1, p.lineColor},
      {1, p.bkColor},
      {1, p.textColor},
      {1, p.lightColor},
      {1, uint32_t(p.lineType)},
      {1, Flag(p.isResizeHeight)},
      {1, Flag(p.isResizeWidth)},
      {1, uint32_t(p.rowHeight)},
      {1, uint32_t(p.colWidth)},
      {1, uint32_t(p.rowCount)},
      {1, uint32_t(p.colCount)},
      {1, Flag(p.isEdit)},
      {1, uint32_t(p.headRowCount)},
      {1, uint32_t(p.headColCount)},
      {2, Flag(p.isShowDiglog)},
      {3, Flag(p.canSelection)},
      {4, Flag(p.showPrintButton)},
      {5, p.fixedBkColor},
      {6, uint32_t(p.printPageNo)},
      {6, uint32_t(p.printDate)},
      {7, uint32_t(p.enterFunction)},
      {8, Flag(p.processClickFixed)},
      {8, Flag(p.selectRow)},
      {8, p.selectBkColor},
      {9, Flag(p.sizeToWidth)},
      {10, uint32_t(p.lineWidth)},
      {11, p.selectColor},
      {12, Flag(p.showZeroInNumCell)},
  };
  static_assert(sizeof(entries) / sizeof(entries[0]) == 28, "the grid stores 28 values");
  rt::ByteWriter w = Start();
  w.Word(p.version);
  for (const Entry& e : entries)
    if (e.since <= p.version) w.Word(e.value);
  return w.Take();
}

//--- Owner-drawn menu ---------------------------------------------------------------

std::vector<uint8_t> WriteOwnerMenuBlock(const OwnerMenuProps& p) {
  rt::ByteWriter w = Start();
  w.Word(p.version).Word(p.menuStyle);
  for (uint32_t c : p.colors) w.Word(c);
  w.CountedBytes(p.menuIcons);
  if (p.itemIcons.empty()) {
    w.Word(0);
  } else {
    rt::ByteWriter map;
    map.Word(uint32_t(p.itemIcons.size()));
    for (const auto& [item, icon] : p.itemIcons) map.Word(item).Word(icon);
    w.CountedBytes(map.Data());
  }
  w.Word(p.barBackColor).Word(p.iconKeyColor).CountedBytes(p.menuFont);
  w.Word(uint32_t(p.sidePictures.size()));
  for (const OwnerMenuProps::SidePicture& s : p.sidePictures)
    w.Word(s.barItem).Word(Flag(s.stretch)).CountedBytes(s.bitmap);
  return w.Take();
}

//--- Month calendar -----------------------------------------------------------------

std::vector<uint8_t> WriteMonthCalendarBlock(const MonthCalendarProps& p) {
  uint64_t bits;
  std::memcpy(&bits, &p.selectedDate, sizeof bits);
  rt::ByteWriter w = Start();
  w.Word(p.version).Word(uint32_t(bits)).Word(uint32_t(bits >> 32));
  w.Word(Flag(p.gregorianLayout)).Word(Flag(p.bandShown)).CountedText(p.pattern);
  return w.Take();
}

}  // namespace app
