// Writers of the stored property data of the library units the program's windows
// carry: the grid, the owner-drawn menu and the month calendar. Each block starts, as
// every unit's property block, with the 20 reserved zero bytes of the unit record;
// the layouts below follow. All values are 32-bit little-endian words unless noted.
//
// Grid: word 0 the data version (12), then 28 words in property order: LineColor,
//   BkColor, TextColor, LightColor, LineType, IsResizeHeight, IsResizeWidth, RowHeight,
//   ColWidth, RowCount, ColCount, IsEdit, HeadRowCount, HeadColCount (always present),
//   IsShowDiglog (version 2 on), CanSelection (3), ShowPrintButton (4), FixedBkColor (5),
//   PrintPageNo, PrintDate (6), EnterFunction (7), ProcessClickFixed, SelectRow,
//   SelectBkColor (8), SizeToWidth (9), LineWidth (10), SelectColor (11),
//   ShowZeroInNumCell (12). A version above 12 is refused; values an older version
//   lacks keep their defaults.
//
// Owner-drawn menu: word version (1); MenuStyle; the ten colours MenuBackColor ..
//   SeparatorColor in property order; MenuIcons as a counted block (word n, n bytes of
//   image-list data; 0 = none); MenuItemIcons as a counted block (0 = no map; else word
//   count c and c pairs of words: item identifier, icon index); BarBackColor
//   (0xFF000000 = the system's button face); the icons' key colour (0xFF000000 =
//   magenta); MenuFont as a counted block of 0 (the system menu font) or 60 bytes
//   (LOGFONTA); word s, then s side pictures: bar item identifier, stretch flag, and
//   the picture as a counted block of bitmap file bytes.
//
// Month calendar: word version (1); the selected date as an IEEE double in two words,
//   low word first (0 = today); the layout word (1 Gregorian, 0 lunar); the band word
//   (1 = the year and month band is shown); the description pattern as a counted text
//   (empty = the default pattern "%Y年(%S)%M%D %y-%m-%d").
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/core/UnitPropertyBlocks.h"

namespace app {

// Defaults as the grid unit gives them; the system highlight colour has no fixed value
// here, so SelectBkColor starts at the usual one.
struct GridUnitProps {
  uint32_t version = 12;
  uint32_t lineColor = 0xC0C0C0, bkColor = 0xFFFFFF, textColor = 0x000000, lightColor = 0x000000;
  int32_t lineType = 3;  // 0 none, 1 horizontal, 2 vertical, 3 both
  bool isResizeHeight = true, isResizeWidth = true;
  int32_t rowHeight = 24, colWidth = 60, rowCount = 5, colCount = 5;
  bool isEdit = true;
  int32_t headRowCount = 1, headColCount = 1;
  bool isShowDiglog = true, canSelection = false, showPrintButton = true;
  uint32_t fixedBkColor = rt::kDefaultColor;
  int32_t printPageNo = 0, printDate = 0;  // 0 none, 1 left, 2 centre, 3 right
  int32_t enterFunction = 0;               // 0 toggle editing, 1 next column, 2 next row
  bool processClickFixed = true, selectRow = false;
  uint32_t selectBkColor = 0xC56A31;
  bool sizeToWidth = true;
  int32_t lineWidth = 0;
  uint32_t selectColor = 0x000000;
  bool showZeroInNumCell = true;
};
std::vector<uint8_t> WriteGridUnitBlock(const GridUnitProps& p);

struct OwnerMenuProps {
  uint32_t version = 1;
  uint32_t menuStyle = 1;  // colour preset 1..6, 0 = custom
  // MenuBackColor .. SeparatorColor (0x00BBGGRR), preset 1.
  uint32_t colors[10] = {0xF7F8F9, 0x000000, 0x8D8D8D, 0xC2EEFF, 0xFFEFE3,
                         0xE4AE88, 0xCCF4FF, 0x9DD7FF, 0x800000, 0xCB8C6A};
  std::vector<uint8_t> menuIcons;
  std::vector<std::pair<uint32_t, uint32_t>> itemIcons;  // item identifier, icon index
  uint32_t barBackColor = rt::kDefaultColor;
  uint32_t iconKeyColor = rt::kDefaultColor;
  rt::FontBytes menuFont;
  struct SidePicture {
    uint32_t barItem = 0;
    bool stretch = false;
    std::vector<uint8_t> bitmap;
  };
  std::vector<SidePicture> sidePictures;
};
std::vector<uint8_t> WriteOwnerMenuBlock(const OwnerMenuProps& p);

struct MonthCalendarProps {
  uint32_t version = 1;
  double selectedDate = 0;  // days since 30 December 1899; 0 = today
  bool gregorianLayout = true;
  bool bandShown = true;
  std::string pattern;  // empty = the default pattern
};
std::vector<uint8_t> WriteMonthCalendarBlock(const MonthCalendarProps& p);

}  // namespace app
