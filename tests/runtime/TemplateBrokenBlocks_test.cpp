// Blocks that are cut short, oversized or inconsistent: each must be refused as a
// whole (no windows), without reading outside the block or allocating by its counts.
#include <gtest/gtest.h>

#include "runtime/core/TemplateReader.h"
#include "runtime/core/TemplateWriter.h"
#include "tests/runtime/TemplateSamples.h"

namespace rt {
namespace {

bool Loads(const std::vector<uint8_t>& block) {
  TemplateSet set;
  set.windows.resize(1);
  bool ok = LoadWindowTemplates(block.data(), block.size(), &set);
  if (!ok) {
    EXPECT_TRUE(set.windows.empty()) << "a refused block leaves no windows";
  }
  return ok;
}

bool Loads(const TemplateSet& set) { return Loads(WriteWindowTemplates(set)); }

void Patch(std::vector<uint8_t>* block, size_t pos, uint32_t v) {
  for (int i = 0; i < 4; ++i) block->at(pos + i) = uint8_t(v >> (8 * i));
}

//--- A block with known positions ---------------------------------------------------

// One window (empty texts) of three units with empty names: the window unit, an edit
// box and a menu item. Positions of the fields the tests corrupt:
struct Layout {
  std::vector<uint8_t> block;
  static constexpr size_t kWindowCount = 0, kTextLength = 20, kUnitCount = 28, kTableLength = 32, kIds = 36,
                          kOffsets = 36 + 12, kRecords = 36 + 24;
  size_t record[3];  // position of each record's length word
  // Inside a control record with empty name, remark, tag and no contained units,
  // counted from its length word.
  static constexpr size_t kContainer = 4 + 50, kContainedCount = 4 + 54, kPointerLength = 4 + 58,
                          kEventCount = 4 + 79;
};

Layout ThreeUnits() {
  UnitTemplate window = sample::Control(0x06000001, tag::kWindow, "", WriteWindowProps({}));
  window.events = {{0, 0, nullptr}};
  UnitTemplate edit = sample::Control(0x16000002, tag::kEditBox, "", WriteEditBoxProps({}));
  UnitTemplate menu = sample::Menu(0x26000003, 0, "菜单", 0);
  WindowTemplate w;
  w.windowId = 0x52000000;
  w.units = {window, edit, menu};
  TemplateSet set;
  set.windows = {w};
  Layout l;
  l.block = WriteWindowTemplates(set);
  size_t pos = Layout::kRecords;
  for (size_t i = 0; i < 3; ++i) {
    l.record[i] = pos;
    pos += 4 + WriteUnitRecord(w.units[i]).size();
  }
  return l;
}

TEST(TemplateBrokenBlocks, TheLayoutBlockIsSound) {
  Layout l = ThreeUnits();
  ASSERT_TRUE(Loads(l.block));
  // The positions above are where the tests think they are.
  EXPECT_EQ(l.block[Layout::kUnitCount], 3);
  EXPECT_EQ(l.block[l.record[1] + Layout::kPointerLength], 4);
  EXPECT_EQ(l.block[l.record[0] + Layout::kEventCount], 1);
}

//--- Cut short and oversized --------------------------------------------------------

TEST(TemplateBrokenBlocks, EveryTruncationIsRefused) {
  const std::vector<uint8_t> block = WriteWindowTemplates(sample::TwoWindows());
  // Length 0 means "no windows"; every other cut ends inside something.
  for (size_t n = 1; n < block.size(); ++n) {
    TemplateSet set;
    ASSERT_FALSE(LoadWindowTemplates(block.data(), n, &set)) << "cut at " << n;
    ASSERT_TRUE(set.windows.empty());
  }
}

TEST(TemplateBrokenBlocks, BytesAfterTheLastWindowAreRefused) {
  std::vector<uint8_t> block = WriteWindowTemplates(sample::TwoWindows());
  block.push_back(0);
  EXPECT_FALSE(Loads(block));
}

//--- Counts, lengths and offsets ----------------------------------------------------

TEST(TemplateBrokenBlocks, CountsAndLengthsBeyondTheBlockAreRefused) {
  struct Case {
    const char* what;
    size_t pos;
    uint32_t value;
  };
  const Layout l = ThreeUnits();
  const size_t table = l.block.size() - Layout::kIds;  // the true unit-table length
  const Case cases[] = {
      {"window table beyond the end", Layout::kWindowCount, 0xFFFFFFF8},
      {"window table not whole entries", Layout::kWindowCount, 12},
      {"window table one entry too many", Layout::kWindowCount, 16},
      {"text length beyond the end", Layout::kTextLength, 0xFFFFFFFF},
      {"unit count huge", Layout::kUnitCount, 0xFFFFFFFF},
      {"unit count that overflows 32-bit sizes", Layout::kUnitCount, 0x20000001},
      {"unit count beyond the table", Layout::kUnitCount, 4},
      {"unit count zero", Layout::kUnitCount, 0},
      {"unit table beyond the end", Layout::kTableLength, uint32_t(table + 1)},
      {"unit table huge", Layout::kTableLength, 0xFFFFFFFF},
      {"unit table shorter than its records", Layout::kTableLength, uint32_t(table - 1)},
      {"record offset huge", Layout::kOffsets + 4, 0xFFFFFFFF},
      {"record offset past the table", Layout::kOffsets + 4, uint32_t(table)},
      {"record offset on the last three bytes", Layout::kOffsets + 8, uint32_t(table - 24 - 3)},
      {"record length huge", l.record[1], 0xFFFFFFFF},
      {"record length one too many", l.record[2], uint32_t(l.block.size() - l.record[2] - 4 + 1)},
      {"contained count huge", l.record[1] + Layout::kContainedCount, 0x40000000},
      {"pointer block beyond the record", l.record[1] + Layout::kPointerLength, 0xFFFFFFFF},
      {"event count huge", l.record[0] + Layout::kEventCount, 0x20000000},
      {"event count beyond the record", l.record[0] + Layout::kEventCount, 50},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> block = l.block;
    Patch(&block, c.pos, c.value);
    EXPECT_FALSE(Loads(block)) << c.what;
  }
}

TEST(TemplateBrokenBlocks, RecordsThatShareBytesAreRefused) {
  // Two edit boxes with like records; the second offset pointed at the first record
  // stays in bounds, but one record could then stand for any number of units.
  WindowTemplate w;
  w.windowId = 0x52000000;
  w.units = {sample::Control(0x06000001, tag::kWindow, "", WriteWindowProps({})),
             sample::Control(0x16000002, tag::kEditBox, "", WriteEditBoxProps({})),
             sample::Control(0x16000003, tag::kEditBox, "", WriteEditBoxProps({}))};
  TemplateSet set;
  set.windows = {w};
  std::vector<uint8_t> block = WriteWindowTemplates(set);
  ASSERT_TRUE(Loads(block));
  const size_t offsets = Layout::kIds + 3 * 4;
  const uint32_t second = uint32_t(block[offsets + 4] | block[offsets + 5] << 8);
  Patch(&block, offsets + 8, second);
  EXPECT_FALSE(Loads(block));
}

TEST(TemplateBrokenBlocks, RecordsWithBytesTheirLayoutLacksAreRefused) {
  // A control record too short for the reserved words of its property block.
  TemplateSet set = sample::TwoWindows();
  set.windows[1].units[1].propertyBlock.assign(19, 0);
  EXPECT_FALSE(Loads(set));

  // A menu item record with a byte after its slots.
  Layout l = ThreeUnits();
  std::vector<uint8_t> block = l.block;
  block.push_back(0);
  Patch(&block, l.record[2], uint32_t(block.size() - l.record[2] - 4));
  Patch(&block, Layout::kTableLength, uint32_t(block.size() - Layout::kIds));
  EXPECT_FALSE(Loads(block));

  // A name without its terminating zero before the record's end: the edit box's
  // record shortened to its type, reserved words and three name bytes.
  std::vector<uint8_t> unterminated = l.block;
  const size_t nameAt = l.record[1] + 4 + 24;
  for (size_t i = 0; i < 3; ++i) unterminated[nameAt + i] = uint8_t('a' + i);
  Patch(&unterminated, l.record[1], 24 + 3);
  EXPECT_FALSE(Loads(unterminated));
}

//--- Inconsistent structure ---------------------------------------------------------

TEST(TemplateBrokenBlocks, IdsMustBeUniqueAndTheWindowUnitFirst) {
  TemplateSet set = sample::TwoWindows();
  set.windows[1].windowId = set.windows[0].windowId;
  EXPECT_FALSE(Loads(set)) << "two windows with one id";

  set = sample::TwoWindows();
  set.windows[0].units[7].id = set.windows[0].units[8].id;
  EXPECT_FALSE(Loads(set)) << "two units with one id";

  set = sample::TwoWindows();
  std::swap(set.windows[1].units[0], set.windows[1].units[1]);
  EXPECT_FALSE(Loads(set)) << "a control before the window unit";

  set = sample::TwoWindows();
  set.windows[1].units.push_back(set.windows[1].units[0]);
  set.windows[1].units.back().id = 0x06000077;
  EXPECT_FALSE(Loads(set)) << "a second window unit";

  // The same unit id may appear in two windows: ids are looked up per window.
  set = sample::TwoWindows();
  set.windows[1].units[1].id = sample::kEdit;
  EXPECT_TRUE(Loads(set));
}

TEST(TemplateBrokenBlocks, TheRoleMustMatchTheUnitType) {
  TemplateSet set = sample::TwoWindows();
  set.windows[1].units[1].typeId = tag::kMenuItem;  // a control id with the menu item type
  EXPECT_FALSE(Loads(set));

  set = sample::TwoWindows();
  set.windows[1].units[1].typeId = tag::kWindow;
  EXPECT_FALSE(Loads(set));

  set = sample::TwoWindows();
  set.windows[1].units[0].typeId = tag::kButton;  // the window unit with a control type
  EXPECT_FALSE(Loads(set));

  set = sample::TwoWindows();
  set.windows[1].units[1].id = 0x36000022;  // role 3 does not exist
  EXPECT_FALSE(Loads(set));

  // A menu item id over a control record: the layouts differ, the type tells.
  set = sample::TwoWindows();
  UnitTemplate& menu = *set.windows[0].FindUnit(sample::kMenuOpen);
  menu.typeId = tag::kLabel;
  EXPECT_FALSE(Loads(set));
}

TEST(TemplateBrokenBlocks, MenusOpenOneLevelAtATimeWithKnownShortcuts) {
  TemplateSet set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kMenuRecentOne)->level = 3;  // from 1 straight to 3
  EXPECT_FALSE(Loads(set));

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kMenuFile)->level = 1;  // no bar entry to hang from
  EXPECT_FALSE(Loads(set));

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kMenuRecentOne)->level = 0;  // back to the bar at once
  EXPECT_TRUE(Loads(set));

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kMenuOpen)->shortcut = 78;  // past the key-name table
  EXPECT_FALSE(Loads(set));
}

TEST(TemplateBrokenBlocks, ContainersMustExistAndNotLoop) {
  TemplateSet set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kEdit)->containerId = 0x16000999;
  EXPECT_FALSE(Loads(set)) << "a missing container";

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kEdit)->containerId = sample::kEdit;
  EXPECT_FALSE(Loads(set)) << "a unit inside itself";

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kGroup)->containerId = sample::kEdit;
  EXPECT_FALSE(Loads(set)) << "two units inside each other";

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kEdit)->containerId = sample::kMenuOpen;
  EXPECT_FALSE(Loads(set)) << "a menu item as container";

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kEdit)->containerId = sample::kWindowUnitA;
  EXPECT_FALSE(Loads(set)) << "the window unit as container (0 means the window)";

  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kGroup)->containedIds.push_back(0x16000999);
  EXPECT_FALSE(Loads(set)) << "a contained unit that does not exist";

  // Nesting two deep is fine.
  set = sample::TwoWindows();
  set.windows[0].FindUnit(sample::kLabel)->containerId = sample::kEdit;
  EXPECT_TRUE(Loads(set));
}

}  // namespace
}  // namespace rt
