// The grid unit inside a host window: creation from stored property data, the
// property rules, events with their arguments and results, and the grid commands
// reaching the unit's grid.
#include "tests/gridwin/GridUnitTestSupport.h"

namespace gridunit_test {
namespace {

using host_test::Log;
using namespace grid::prop;

BOOL CALLBACK CountIfGrid(HWND child, LPARAM count) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (wcscmp(name, L"MYGridCtrl") == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountGridsIn(HWND top, LPARAM count) {
  EnumChildWindows(top, &CountIfGrid, count);
  return TRUE;
}

int CountGridWindows() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountGridsIn, reinterpret_cast<LPARAM>(&n));
  return n;
}

TEST(GridUnitCreation, DefaultsAndVersionThreeData) {
  app::GridUnitProps props;
  props.version = 3;
  props.canSelection = true;      // stored from version 3
  props.showPrintButton = false;  // not stored in version 3: the default stays
  props.enterFunction = 2;
  props.selectRow = true;
  props.rowCount = 7;
  GridProgram g(props);
  ASSERT_NE(g.Unit(), nullptr);
  EXPECT_EQ(g.Model().RowCount(), 7);
  EXPECT_EQ(g.Model().RowHeight(6), 24);
  EXPECT_EQ(g.Get(kCanSelection), 1);
  EXPECT_EQ(g.Get(kShowPrintButton), 1);
  EXPECT_EQ(g.Get(kEnterFunction), 0);
  EXPECT_EQ(g.Get(kSelectRow), 0);
  EXPECT_EQ(g.Get(kShowZeroInNumCell), 1);
  EXPECT_EQ(uint32_t(g.Get(kFixedBkColor)), GetSysColor(COLOR_BTNFACE));  // live, converted
  EXPECT_EQ(uint32_t(g.Get(kSelectBkColor)), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_TRUE(grid::win::GridUnit::AnswersQuery(9));
  EXPECT_FALSE(grid::win::GridUnit::AnswersQuery(8));
}

TEST(GridUnitCreation, BadDataOrNoWindowLeavesNoUnitAndNoWindow) {
  app::GridUnitProps props;
  props.version = 13;
  GridProgram g(props, false);
  EXPECT_FALSE(g.Load());
  EXPECT_EQ(g.Unit(), nullptr);
  EXPECT_EQ(CountGridWindows(), 0);

  // The entry point itself: cut data, and a parent that is no window.
  rt::win::UnitCreateParams p;
  p.rect = RECT{0, 0, 100, 100};
  std::vector<uint8_t> block = app::WriteGridUnitBlock(app::GridUnitProps());
  block.resize(block.size() - 2);
  p.block = block.data();
  p.blockLength = block.size();
  p.parent = GetDesktopWindow();
  EXPECT_EQ(grid::win::GridUnit::Create(p, false), nullptr);
  block.resize(10);  // shorter than the reserved bytes
  p.blockLength = block.size();
  EXPECT_EQ(grid::win::GridUnit::Create(p, false), nullptr);
  p.block = nullptr;
  p.blockLength = 0;
  p.parent = reinterpret_cast<HWND>(intptr_t(0x7FFF0));
  EXPECT_EQ(grid::win::GridUnit::Create(p, false), nullptr);
  EXPECT_EQ(CountGridWindows(), 0);
}

TEST(GridUnitProperties, ReadRulesAndSetters) {
  GridProgram g;
  g.Set(kRowCount, 0);
  g.Set(kColCount, -1);
  EXPECT_EQ(g.Model().RowCount(), 5);
  EXPECT_EQ(g.Get(kColCount), 5);
  g.Set(kRowCount, 12);
  EXPECT_EQ(g.Model().RowCount(), 12);
  EXPECT_EQ(g.Model().RowHeight(11), 24);

  EXPECT_EQ(g.Get(kCanSelection), 0);
  g.Set(kSelectRow, 1);
  EXPECT_EQ(g.Get(kSelectRow), 1);
  EXPECT_EQ(g.Get(kCanSelection), 1);
  EXPECT_EQ(g.Model().CanSelection(), 1);

  g.Set(kFixedBkColor, 0x123456);
  EXPECT_EQ(g.Model().Settings().fixedBkColor, 0x123456u);
  g.Set(kEnterFunction, -3);  // a pick list: negative becomes 0
  EXPECT_EQ(g.Get(kEnterFunction), 0);
  g.Set(kLineType, 2);
  g.Model().Settings().lineType = 0;
  EXPECT_EQ(g.Get(kLineType), 2);  // from the mirror
  g.Model().SetRowCount(3);        // by a command, say: reads give the live value
  EXPECT_EQ(g.Get(kRowCount), 3);

  // Entry point 5: the stored form reads back into an equal mirror.
  std::vector<uint8_t> data = g.Unit()->PropertyData();
  grid::PropertyMirror m = grid::PropertyMirror::Defaults(0);
  ASSERT_TRUE(grid::ReadPropertyData(data.data(), data.size(), &m));
  for (int i = 0; i < kCount; ++i) EXPECT_EQ(m[i], g.Unit()->Mirror()[i]) << i;
  EXPECT_EQ(m[kLineType], 2);
  EXPECT_EQ(m[kRowCount], 12);

  // Indices past the grid's 36 properties: the runtime error box.
  std::string box = host_test::ExpectErrorBox(g.program, [&] { g.Get(kCount); });
  EXPECT_FALSE(box.empty());
}

TEST(GridUnitProperties, TheCreationFlagReadsTheMirror) {
  GridProgram g;
  rt::win::UnitCreateParams p;
  p.host = &g.program.Host();
  p.parent = GetParent(g.Hwnd());
  p.rect = RECT{0, 0, 100, 100};
  std::vector<uint8_t> block = app::WriteGridUnitBlock(app::GridUnitProps());
  p.block = block.data();
  p.blockLength = block.size();
  std::unique_ptr<grid::win::GridUnit> unit = grid::win::GridUnit::Create(p, true);
  ASSERT_NE(unit, nullptr);
  unit->Model().SetRowCount(2);
  unit->Model().Settings().enterFunction = 1;
  rt::DataValue v;
  ASSERT_TRUE(unit->GetProperty(kRowCount, &v));
  EXPECT_EQ(v.low, 5u);
  ASSERT_TRUE(unit->GetProperty(kEnterFunction, &v));  // always live
  EXPECT_EQ(v.low, 1u);
  ASSERT_TRUE(unit->GetProperty(kIsEdit, &v));
  EXPECT_EQ(v.type, rt::tag::kLogic);
}

TEST(GridUnitEvents, EventSevenDecidesWhetherEditingStarts) {
  GridProgram g;
  g.Model().SetFocusCell(1, 1);
  Log().behaviour[7] = [](const rt::EventArgs&) { return rt::HandlerResult::Of(0); };
  SendMessageW(g.Hwnd(), WM_KEYDOWN, VK_F2, 0);
  EXPECT_FALSE(g.Unit()->Grid().IsEditing());
  EXPECT_EQ(Log().Count(7), 1);
  EXPECT_EQ(Log().Count(1), 0);

  Log().behaviour[7] = nullptr;  // no result: editing goes on
  SendMessageW(g.Hwnd(), WM_KEYDOWN, VK_F2, 0);
  EXPECT_TRUE(g.Unit()->Grid().IsEditing());
  EXPECT_EQ(Log().Count(7), 2);
  EXPECT_EQ(Log().Count(1), 1);
  g.Unit()->Grid().EndEditing();
  EXPECT_EQ(Log().Count(2), 1);

  Log().behaviour[7] = [](const rt::EventArgs&) { return rt::HandlerResult::Of(1); };
  SendMessageW(g.Hwnd(), WM_KEYDOWN, VK_F2, 0);
  EXPECT_TRUE(g.Unit()->Grid().IsEditing());
  g.Unit()->Grid().EndEditing();
}

TEST(GridUnitEvents, ArgumentsReachTheHandlers) {
  GridProgram g;
  grid::win::GridUnit& unit = *g.Unit();
  // A click on the header row: events 5 and 8 with their integer arguments.
  RECT header = unit.Grid().CellRect(0, 2);
  LPARAM at = MAKELPARAM(header.left + 5, header.top + 5);
  SendMessageW(g.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(g.Hwnd(), WM_LBUTTONUP, 0, at);
  ASSERT_EQ(Log().Count(5), 1);
  ASSERT_EQ(Log().Count(8), 1);
  for (const host_test::HandlerCall& c : Log().calls) {
    if (c.handler == 5) {
      ASSERT_EQ(c.args.count, 2);
      EXPECT_EQ(c.args.values[0].type, rt::tag::kInt);
      EXPECT_EQ(int32_t(c.args.values[0].low), header.left + 5);
      EXPECT_EQ(int32_t(c.args.values[1].low), header.top + 5);
    }
    if (c.handler == 8) {
      ASSERT_EQ(c.args.count, 2);
      EXPECT_EQ(c.args.values[0].low, 0u);
      EXPECT_EQ(c.args.values[1].low, 2u);
    }
    EXPECT_EQ(c.source.unit, kGridId);
  }

  // The others, as the grid window reports them.
  Log().calls.clear();
  std::string picked;  // the text lives only while the handler runs
  Log().behaviour[6] = [&](const rt::EventArgs& a) {
    picked = static_cast<const char*>(rt::PointerOf(a.values[2]));
    return rt::HandlerResult::None();
  };
  unit.RowHeightChanged(3);
  unit.ColWidthChanged(4);
  unit.ListItemPicked(2, 3, "平方米");
  unit.HeaderDoubleClicked(0, 1);
  unit.CellDoubleClicked(4, 2);
  unit.CharTypedInDateEditor('7');
  EXPECT_EQ(Log().Handlers(), (std::vector<int>{3, 4, 6, 9, 10, kDateCharHandler}));
  const rt::EventArgs& pick = Log().calls[2].args;
  ASSERT_EQ(pick.count, 3);
  EXPECT_EQ(pick.values[2].type, rt::tag::kText);
  EXPECT_EQ(picked, "平方米");
  const rt::EventArgs& cell = Log().calls[4].args;
  ASSERT_EQ(cell.count, 2);
  EXPECT_EQ(cell.values[0].type, rt::tag::kInt);
  EXPECT_EQ(cell.values[0].low, 4u);
  EXPECT_EQ(cell.values[1].low, 2u);
  EXPECT_EQ(Log().calls[5].args.values[0].low, uint32_t('7'));

  // A focus move: event 0 as it always was, then event 11 with the new focus cell.
  Log().calls.clear();
  unit.Model().SetFocusCell(3, 1);
  unit.FocusChanged();
  ASSERT_EQ(Log().Handlers(), (std::vector<int>{0, kFocusCellHandler}));
  EXPECT_EQ(Log().calls[0].args.count, 0);
  const rt::EventArgs& moved = Log().calls[1].args;
  ASSERT_EQ(moved.count, 2);
  EXPECT_EQ(moved.values[0].type, rt::tag::kInt);
  EXPECT_EQ(moved.values[0].low, 3u);
  EXPECT_EQ(moved.values[1].low, 1u);
}

TEST(GridUnitCommands, CommandsFindTheUnitsGrid) {
  GridProgram g;
  std::string text = "五";
  rt::DataValue r = g.Command(
      command::kSetCellData, {rt::MakeInt(2), rt::MakeInt(3), rt::MakeInt(1), host_test::Text(text.c_str())});
  EXPECT_EQ(r.low, 1u);
  EXPECT_EQ(g.Model().CellText(2, 3), "五");
  std::string box = host_test::ExpectErrorBox(g.program, [&] {
    rt::DataValue args[1] = {host_test::Unit(kWin, 0x16000799, rt::tag::kGrid)};
    g.program.Host().CallLibraryCommand(1, grid::kGridCommands[command::kGetCellData], 1, args);
  });
  EXPECT_NE(box.find("指定窗口或窗口组件不存在或尚未载入"), std::string::npos);
}

}  // namespace
}  // namespace gridunit_test
