// The grid commands through the command-call convention, branch by type tag.
#include "grid/core/GridCommands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "GridTestSupport.h"
#include "runtime/core/RuntimeError.h"
#include "tests/runtime/ThrowingReporter.h"

namespace grid {
namespace {

using rt::MakeInt;
using rt::MakeLogic;
using test::TakeByteSet;
using test::TakeText;

constexpr rt::DataValue kOmitted{};

// The note-like grid: 1 header row and column; column 1 number (2 places), 2 check,
// 3 picture, 4 text kind, 5 without a kind.
class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_.grid.SetRowCount(5);
    g_.grid.SetColCount(6);
    g_.grid.SetHeadRowCount(1);
    g_.grid.SetHeadColCount(1);
    Call(cmd::SetColumnKind, {MakeInt(1), MakeInt(2)});
    g_.grid.SetDecimalPlaces(1, 2);
    Call(cmd::SetColumnKind, {MakeInt(2), MakeInt(5)});
    Call(cmd::SetColumnKind, {MakeInt(3), MakeInt(6)});
    Call(cmd::SetColumnKind, {MakeInt(4), MakeInt(1)});
  }
  rt::DataValue Call(rt::CommandFn fn, std::vector<rt::DataValue> args) {
    return g_.Call(fn, std::move(args));
  }
  // SetCellData kind 1; returns the result and the stored text.
  std::pair<bool, std::string> SetText(int r, int c, rt::DataValue v) {
    rt::DataValue result = Call(cmd::SetCellData, {MakeInt(r), MakeInt(c), MakeInt(1), v});
    EXPECT_EQ(result.type, rt::tag::kLogic);
    return {result.low != 0, g_.grid.CellText(r, c)};
  }
  rt::DataValue Bytes(const std::vector<uint8_t>& b) {
    blocks_.push_back(rt::NewByteSet(b.data(), b.size()));
    rt::DataValue v{0, 0, rt::tag::kByteSet};
    rt::SetPointer(v, blocks_.back());
    return v;
  }
  ~CommandTest() override {
    for (void* p : blocks_) rt::FreeBlock(p);
  }

  test::CommandGrid g_;
  test::TextArgs text_;
  std::vector<void*> blocks_;
};

TEST_F(CommandTest, GetCellDataAnswersByColumnKindAndRow) {
  rt::DataValue outside = Call(cmd::GetCellData, {MakeInt(9), MakeInt(1)});
  EXPECT_EQ(outside.type, rt::tag::kLogic);
  EXPECT_EQ(outside.low, 0u);
  rt::DataValue outsidePicture = Call(cmd::GetCellData, {MakeInt(-1), MakeInt(3)});
  EXPECT_EQ(outsidePicture.type, rt::tag::kByteSet);
  EXPECT_EQ(rt::PointerOf(outsidePicture), nullptr);
  EXPECT_EQ(Call(cmd::GetCellData, {MakeInt(1), text_("1")}).type, rt::tag::kLogic);

  g_.grid.SetCellText(0, 2, "勾选");
  g_.grid.SetCellCheck(2, 2, 1);
  EXPECT_EQ(TakeText(Call(cmd::GetCellData, {MakeInt(0), MakeInt(2)})), "勾选");
  rt::DataValue check = Call(cmd::GetCellData, {MakeInt(2), MakeInt(2)});
  EXPECT_EQ(check.type, rt::tag::kLogic);
  EXPECT_EQ(check.low, 1u);

  uint8_t bytes[3] = {7, 8, 9};
  g_.grid.SetCellBitmap(2, 3, g_.service.FromBytes(bytes, 3));
  rt::DataValue picture = Call(cmd::GetCellData, {MakeInt(2), MakeInt(3)});
  EXPECT_EQ(picture.type, rt::tag::kByteSet);
  EXPECT_EQ(TakeByteSet(picture), std::vector<uint8_t>({7, 8, 9}));
  rt::DataValue noPicture = Call(cmd::GetCellData, {MakeInt(3), MakeInt(3)});
  EXPECT_EQ(noPicture.type, rt::tag::kByteSet);
  EXPECT_EQ(rt::PointerOf(noPicture), nullptr);

  g_.grid.SetCellText(2, 5, "文本");
  EXPECT_EQ(TakeText(Call(cmd::GetCellData, {MakeInt(2), MakeInt(5)})), "文本");
  rt::DataValue empty = Call(cmd::GetCellData, {MakeInt(3), MakeInt(5)});
  EXPECT_EQ(empty.type, rt::tag::kText);
  EXPECT_EQ(rt::PointerOf(empty), nullptr);
}

TEST_F(CommandTest, SetCellDataTextIntoANumberColumn) {
  EXPECT_EQ(SetText(2, 1, text_("0.00")), std::make_pair(false, std::string()));
  EXPECT_EQ(SetText(2, 1, text_("abc")), std::make_pair(false, std::string()));
  EXPECT_EQ(SetText(2, 1, text_("0")), std::make_pair(true, std::string("0.00")));
  EXPECT_EQ(SetText(2, 1, text_("  12")), std::make_pair(true, std::string("12.00")));
  EXPECT_EQ(SetText(2, 1, text_("   ")), std::make_pair(true, std::string()));
  EXPECT_EQ(SetText(2, 1, text_("-3.456")), std::make_pair(true, std::string("-3.46")));
  EXPECT_EQ(SetText(2, 1, text_("")), std::make_pair(true, std::string()));
  EXPECT_EQ(SetText(2, 1, rt::MakeTextPointer(nullptr)), std::make_pair(true, std::string()));
  EXPECT_EQ(SetText(2, 1, MakeInt(5)), std::make_pair(true, std::string("5.00")));
  // A header row of a number column takes any text as it is.
  EXPECT_EQ(SetText(0, 1, text_("0.00")), std::make_pair(true, std::string("0.00")));
  g_.grid.Settings().showZeroInNumCell = 0;
  EXPECT_EQ(SetText(2, 1, rt::MakeDouble(0.0)), std::make_pair(true, std::string()));
  EXPECT_EQ(SetText(3, 1, text_("0")), std::make_pair(true, std::string()));
}

TEST_F(CommandTest, SetCellDataTextFromEveryNumericTag) {
  EXPECT_EQ(SetText(1, 5, rt::MakeByte(200)).second, "200");
  EXPECT_EQ(SetText(1, 5, rt::MakeShort(-7)).second, "-7");
  EXPECT_EQ(SetText(1, 5, MakeInt(-2147483647 - 1)).second, "-2147483648");
  EXPECT_EQ(SetText(1, 5, rt::MakeLong(-9007199254740993LL)).second, "-9007199254740993");
  EXPECT_EQ(SetText(1, 5, rt::MakeFloat(0.1f)).second, "0.1");
  EXPECT_EQ(SetText(1, 5, rt::MakeDouble(1234.5 * 3)).second, "3703.5");
  EXPECT_EQ(SetText(1, 5, rt::MakeDouble(1.0 / 3)).second, "0.3333333333333");
  EXPECT_EQ(SetText(1, 5, text_("  kept as given ")).second, "  kept as given ");
  EXPECT_FALSE(SetText(1, 5, MakeLogic(true)).first);
  EXPECT_FALSE(SetText(1, 5, rt::MakeDateTime(1.5)).first);
  EXPECT_FALSE(SetText(1, 5, kOmitted).first);
  EXPECT_EQ(g_.grid.CellText(1, 5), "  kept as given ");
}

TEST_F(CommandTest, SetCellDataRefusesBadCellsAndKindsThatDoNotFit) {
  // Text into the body of check and picture columns; header cells are fine.
  EXPECT_FALSE(SetText(2, 2, text_("x")).first);
  EXPECT_FALSE(SetText(2, 3, text_("x")).first);
  EXPECT_TRUE(SetText(0, 2, text_("勾")).first);
  EXPECT_FALSE(SetText(5, 1, text_("1")).first);
  EXPECT_FALSE(SetText(1, -1, text_("1")).first);

  auto check = [&](int c, rt::DataValue v) {
    return Call(cmd::SetCellData, {MakeInt(2), MakeInt(c), MakeInt(5), v}).low != 0;
  };
  EXPECT_FALSE(check(2, MakeInt(1)));
  EXPECT_FALSE(check(5, MakeLogic(true)));
  EXPECT_TRUE(check(2, MakeLogic(true)));
  EXPECT_EQ(g_.grid.Cell(2, 2)->GetCheck(), 1);
  EXPECT_TRUE(check(2, rt::DataValue{7, 0, rt::tag::kLogic}));
  EXPECT_EQ(g_.grid.Cell(2, 2)->GetCheck(), 1);
  EXPECT_TRUE(check(2, MakeLogic(false)));
  EXPECT_EQ(g_.grid.Cell(2, 2)->GetCheck(), 0);

  // Another kind stores nothing and gives no result.
  test::RepaintCounter counter;
  g_.grid.SetRepaint(&counter);
  rt::DataValue none = Call(cmd::SetCellData, {MakeInt(2), MakeInt(5), MakeInt(3), text_("x")});
  EXPECT_EQ(none.type, 0u);
  EXPECT_EQ(counter.cells, 1);
  EXPECT_EQ(g_.grid.CellText(2, 5), "");
  g_.grid.SetRepaint(nullptr);
}

TEST_F(CommandTest, SetCellDataPicturesFromByteSetsAndFiles) {
  auto picture = [&](int c, rt::DataValue v) {
    return Call(cmd::SetCellData, {MakeInt(2), MakeInt(c), MakeInt(6), v}).low != 0;
  };
  EXPECT_FALSE(picture(5, Bytes({1, 2})));
  EXPECT_TRUE(picture(3, Bytes({1, 2})));
  EXPECT_FALSE(picture(3, Bytes({})));  // the service makes nothing of no bytes
  EXPECT_FALSE(picture(3, MakeInt(1)));
  EXPECT_EQ(g_.service.LiveCount(), 1u);

  std::string path = ::testing::TempDir() + "grid_picture.bin";
  std::ofstream(path, std::ios::binary) << "PICTURE";
  EXPECT_TRUE(picture(3, text_(path)));
  EXPECT_EQ(g_.service.LiveCount(), 1u);  // the old bitmap went
  EXPECT_EQ(TakeByteSet(Call(cmd::GetCellData, {MakeInt(2), MakeInt(3)})),
            std::vector<uint8_t>({'P', 'I', 'C', 'T', 'U', 'R', 'E'}));
  EXPECT_FALSE(picture(3, text_(path + ".missing")));
  std::remove(path.c_str());

  // Leaving the picture kind removes the body pictures.
  Call(cmd::SetColumnKind, {MakeInt(3), MakeInt(1)});
  EXPECT_EQ(g_.service.LiveCount(), 0u);
}

TEST_F(CommandTest, UnresolvedUnitRaisesTheRuntimeError) {
  rt::ThrowingReporter reporter;
  rt::DataValue args[3] = {rt::MakeUnit(rt::tag::kGrid, {0x52010001, 0x16019999}), MakeInt(0), MakeInt(0)};
  rt::DataValue result{};
  try {
    cmd::GetCellData(&result, 3, args);
    FAIL() << "no runtime error";
  } catch (const rt::RuntimeErrorRaised& e) {
    EXPECT_EQ(e.message, rt::msg::kUnitNotFound);
  }
  EXPECT_THROW(cmd::ClearListItems(&result, 0, nullptr), rt::RuntimeErrorRaised);
}

TEST_F(CommandTest, MergeCellsDefaultsItsOptionalCorner) {
  Call(cmd::MergeCells, {MakeInt(1), MakeInt(1)});
  Call(cmd::MergeCells, {MakeInt(1), MakeInt(1), kOmitted, kOmitted});
  EXPECT_TRUE(g_.grid.MergedBlocks().empty());
  Call(cmd::MergeCells, {MakeInt(1), MakeInt(4), kOmitted, MakeInt(5)});
  ASSERT_EQ(g_.grid.MergedBlocks().size(), 1u);
  EXPECT_EQ(g_.grid.MergedBlocks()[0], (MergedBlock{1, 4, 1, 4, 1, 5}));
  Call(cmd::MergeCells, {MakeInt(2), MakeInt(1), text_("3"), MakeInt(2)});
  EXPECT_EQ(g_.grid.MergedBlocks().size(), 1u);
}

TEST_F(CommandTest, SetColWidthOverridesTheMinimumButNotTheColumnRange) {
  g_.grid.Settings().lineWidth = 3;
  EXPECT_EQ(Call(cmd::SetColWidth, {MakeInt(2), MakeInt(2)}).low, 1u);
  EXPECT_EQ(g_.grid.ColWidth(2), 2);
  EXPECT_EQ(Call(cmd::SetColWidth, {MakeInt(6), MakeInt(20)}).low, 0u);
  EXPECT_EQ(Call(cmd::SetColWidth, {MakeInt(2), MakeInt(-1)}).low, 0u);
  EXPECT_EQ(g_.grid.ColWidth(2), 2);
}

TEST_F(CommandTest, ListItemsAreCopiedWhenAColumnBecomesAList) {
  Call(cmd::AddListItem, {text_("旧")});
  Call(cmd::ClearListItems, {});
  for (const char* item : {"平方米", "立方米"}) Call(cmd::AddListItem, {text_(item)});
  EXPECT_EQ(Call(cmd::SetColumnKind, {MakeInt(5), MakeInt(4)}).low, 1u);
  Call(cmd::AddListItem, {text_("米")});
  const ColumnKindEntry* entry = g_.grid.FindColumnKind(5);
  ASSERT_TRUE(entry && entry->list);
  EXPECT_EQ(*entry->list, (std::vector<std::string>{"平方米", "立方米"}));
  EXPECT_EQ(Call(cmd::AddColumnListItem, {MakeInt(4), text_("x")}).low, 0u);
  EXPECT_EQ(Call(cmd::AddColumnListItem, {MakeInt(9), text_("x")}).low, 0u);
  EXPECT_EQ(Call(cmd::AddColumnListItem, {MakeInt(5), MakeInt(1)}).low, 0u);
  EXPECT_EQ(Call(cmd::AddColumnListItem, {MakeInt(5), text_("套")}).low, 1u);
  EXPECT_EQ(entry->list->back(), "套");
  EXPECT_EQ(g_.grid.SharedListItems().size(), 3u);
}

TEST_F(CommandTest, SetColumnKindUndoesTheOldKindAndConvertsToNumbers) {
  EXPECT_EQ(Call(cmd::SetColumnKind, {MakeInt(5), MakeInt(8)}).low, 0u);
  EXPECT_EQ(Call(cmd::SetColumnKind, {MakeInt(6), MakeInt(1)}).low, 0u);
  EXPECT_EQ(g_.grid.FindColumnKind(5), nullptr);

  // Check to text resets the body rows' check values; the header row keeps its own.
  g_.grid.SetCellCheck(0, 2, 1);
  g_.grid.SetCellCheck(3, 2, 1);
  Call(cmd::SetColumnKind, {MakeInt(2), MakeInt(1)});
  EXPECT_EQ(g_.grid.Cell(3, 2)->GetCheck(), 0);
  EXPECT_EQ(g_.grid.Cell(0, 2)->GetCheck(), 1);
  EXPECT_EQ(g_.grid.FindColumnKind(2)->kind, kind::kText);
  EXPECT_EQ(g_.grid.ColumnKinds().size(), 4u);

  // Text to number: non-zero values formatted, zeros left alone, headers untouched.
  for (auto [r, t] : {std::pair{0, "head"}, {1, "7.5"}, {2, "abc"}, {3, "0"}}) g_.grid.SetCellText(r, 5, t);
  Call(cmd::SetColumnKind, {MakeInt(5), MakeInt(2)});
  EXPECT_EQ(g_.grid.CellText(0, 5), "head");
  EXPECT_EQ(g_.grid.CellText(1, 5), "8");  // a new number column has 0 places
  EXPECT_EQ(g_.grid.CellText(2, 5), "abc");
  EXPECT_EQ(g_.grid.CellText(3, 5), "0");

  // Number to currency keeps places and texts; the symbol comes with it.
  SetText(2, 1, text_("3"));
  Call(cmd::SetColumnKind, {MakeInt(1), MakeInt(7)});
  EXPECT_EQ(g_.grid.DecimalPlaces(1), 2);
  EXPECT_EQ(g_.grid.CurrencySymbol(1), "￥");
  EXPECT_EQ(g_.grid.CellText(2, 1), "3.00");

  // Date to number empties the body texts; blanking zeros when asked.
  Call(cmd::SetColumnKind, {MakeInt(4), MakeInt(3)});
  EXPECT_EQ(g_.grid.DateFormat(4), "%Y-%m-%d");
  g_.grid.SetCellText(1, 4, "2011-01-26");
  Call(cmd::SetColumnKind, {MakeInt(4), MakeInt(2)});
  EXPECT_EQ(g_.grid.CellText(1, 4), "");
  g_.grid.Settings().showZeroInNumCell = 0;
  g_.grid.SetCellText(2, 2, "zero");
  Call(cmd::SetColumnKind, {MakeInt(2), MakeInt(2)});
  EXPECT_EQ(g_.grid.CellText(2, 2), "");

  // Picture columns lose their body texts.
  g_.grid.SetCellText(0, 5, "head");
  Call(cmd::SetColumnKind, {MakeInt(5), MakeInt(6)});
  EXPECT_EQ(g_.grid.CellText(1, 5), "");
  EXPECT_EQ(g_.grid.CellText(0, 5), "head");
  EXPECT_EQ(g_.grid.FindColumnKind(5)->pictureMode, picturemode::kTopLeft);
}

TEST_F(CommandTest, SetPrintTitleFillsDefaultsAndCorrectsValues) {
  g_.grid.SetScreenScale(2.6458f);
  rt::DataValue result = Call(cmd::SetPrintTitle, {text_("送货单"), text_("宋体")});
  EXPECT_EQ(result.type, rt::tag::kInt);
  EXPECT_EQ(result.low, 1u);
  EXPECT_EQ(g_.grid.Title().text, "送货单");
  EXPECT_EQ(g_.grid.Title().face, "宋体");
  EXPECT_EQ(g_.grid.Title().size, 20);
  EXPECT_EQ(g_.grid.Title().bold, 1);
  EXPECT_EQ(g_.grid.Title().alignment, 2);
  EXPECT_EQ(g_.grid.Layout().headerBand, 60);

  Call(cmd::SetPrintTitle, {text_("t"), text_(""), MakeInt(0), MakeLogic(false), MakeInt(0)});
  EXPECT_EQ(g_.grid.Title().size, 20);
  EXPECT_EQ(g_.grid.Title().face, "黑体");
  EXPECT_EQ(g_.grid.Title().bold, 0);
  EXPECT_EQ(g_.grid.Title().alignment, 2);
  Call(cmd::SetPrintTitle, {text_("t"), text_("f"), MakeInt(101), kOmitted, MakeInt(3)});
  EXPECT_EQ(g_.grid.Title().size, 20);
  EXPECT_EQ(g_.grid.Title().alignment, 3);
  Call(cmd::SetPrintTitle, {text_("t"), text_("f"), MakeInt(30)});
  EXPECT_EQ(g_.grid.Title().size, 30);
  EXPECT_EQ(g_.grid.Layout().headerBand, 139);
}

TEST_F(CommandTest, SetPrintMarginReplacesOneFieldByItemNumber) {
  PrintLayout before = g_.grid.Layout();
  Call(cmd::SetPrintMargin, {MakeInt(8), MakeInt(5)});
  Call(cmd::SetPrintMargin, {MakeInt(0), MakeInt(5)});
  EXPECT_EQ(g_.grid.Layout(), before);
  for (int item = 1; item <= 7; ++item) Call(cmd::SetPrintMargin, {MakeInt(item), MakeInt(100 + item)});
  EXPECT_EQ(g_.grid.Layout(), (PrintLayout{105, 106, 101, 102, 103, 104, 107}));
  Call(cmd::SetPrintMargin, {MakeInt(1), MakeInt(-5)});  // not range-checked here
  EXPECT_EQ(g_.grid.Layout().leftMargin, -5);
}

TEST_F(CommandTest, SaveFileClearsSelectionAndFocusAndLoadFileReadsItBack) {
  std::string path = ::testing::TempDir() + "grid_command.qgd";
  g_.grid.SetRowCount(30);  // large enough to pass the loader's minimum size
  g_.grid.SetCellText(4, 5, "保存");
  g_.grid.SetFocusCell(2, 2);
  g_.grid.SelectCell(3, 3, true);
  EXPECT_EQ(Call(cmd::SaveFile, {text_(path)}).low, 1u);
  EXPECT_EQ(g_.grid.FocusRow(), -1);
  EXPECT_EQ(g_.grid.SelectionCount(), 0u);
  EXPECT_EQ(Call(cmd::SaveFile, {MakeInt(1)}).low, 0u);

  g_.grid.SetCellText(4, 5, "changed");
  rt::DataValue loaded = Call(cmd::LoadFile, {text_(path)});
  EXPECT_EQ(loaded.type, rt::tag::kLogic);
  EXPECT_EQ(loaded.low, 1u);
  EXPECT_EQ(g_.grid.CellText(4, 5), "保存");
  EXPECT_EQ(Call(cmd::LoadFile, {text_(path + ".missing")}).low, 0u);
  EXPECT_EQ(g_.grid.CellText(4, 5), "保存");
  std::remove(path.c_str());
}

TEST_F(CommandTest, NewGridEmptiesTheContentButKeepsPrintSettingsAndProperties) {
  uint8_t bytes[1] = {1};
  g_.grid.SetCellBitmap(2, 3, g_.service.FromBytes(bytes, 1));
  g_.grid.SetCellText(1, 4, "旧");
  Call(cmd::MergeCells, {MakeInt(1), MakeInt(4), MakeInt(2), MakeInt(5)});
  g_.grid.AddRowFormula(RowFormula{1, 2, op::kAdd, 5});
  g_.grid.AddColumnSum(ColumnSum{1, 1, 3, 4});
  g_.grid.SetFocusCell(3, 1);
  g_.grid.SelectCell(3, 2, true);
  g_.grid.SetDefaultRowHeight(24);
  g_.grid.SetDefaultColWidth(60);
  g_.grid.Settings().isEdit = 0;
  g_.grid.Title().text = "送货单";
  g_.grid.Layout().leftMargin = 77;

  // Refused counts change nothing.
  const rt::DataValue refused[][2] = {{MakeInt(0), MakeInt(4)},
                                      {MakeInt(3), MakeInt(-1)},
                                      {MakeInt(kMaxRows + 1), MakeInt(1)},
                                      {MakeInt(kMaxRows), MakeInt(kMaxCols)},
                                      {text_("3"), MakeInt(4)}};
  for (const auto& counts : refused) {
    rt::DataValue r = Call(cmd::NewGrid, {counts[0], counts[1]});
    EXPECT_EQ(r.type, rt::tag::kLogic);
    EXPECT_EQ(r.low, 0u);
  }
  EXPECT_EQ(g_.grid.RowCount(), 5);
  EXPECT_EQ(g_.grid.CellText(1, 4), "旧");
  EXPECT_EQ(g_.grid.MergedBlocks().size(), 1u);

  EXPECT_EQ(Call(cmd::NewGrid, {MakeInt(3), MakeInt(4)}).low, 1u);
  EXPECT_EQ(g_.grid.RowCount(), 3);
  EXPECT_EQ(g_.grid.ColCount(), 4);
  EXPECT_EQ(g_.grid.HeadRowCount(), 0);
  EXPECT_EQ(g_.grid.HeadColCount(), 0);
  EXPECT_EQ(g_.grid.RowHeight(2), 24);
  EXPECT_EQ(g_.grid.ColWidth(3), 60);
  EXPECT_EQ(g_.grid.CellText(1, 1), "");
  EXPECT_TRUE(g_.grid.ColumnKinds().empty());
  EXPECT_TRUE(g_.grid.MergedBlocks().empty());
  EXPECT_TRUE(g_.grid.RowFormulas().empty());
  EXPECT_TRUE(g_.grid.ColumnSums().empty());
  EXPECT_EQ(g_.service.LiveCount(), 0u);
  EXPECT_EQ(g_.grid.FocusRow(), -1);
  EXPECT_EQ(g_.grid.SelectionCount(), 0u);
  EXPECT_EQ(g_.grid.Cell(1, 1)->GetState(), 0u);  // no stale merge or focus bits
  EXPECT_EQ(g_.grid.Settings().isEdit, 0);
  EXPECT_EQ(g_.grid.Title().text, "送货单");
  EXPECT_EQ(g_.grid.Layout().leftMargin, 77);
  // The fresh cells take text as any cell does.
  EXPECT_EQ(SetText(2, 3, MakeInt(5)), std::make_pair(true, std::string("5")));
}

TEST(GridCommandTable, HoldsTheFifteenCommandsInLibraryOrder) {
  EXPECT_EQ(kGridCommands[0], &cmd::GetCellData);
  EXPECT_EQ(kGridCommands[4], &cmd::LoadFile);
  EXPECT_EQ(kGridCommands[8], &cmd::MergeCells);
  EXPECT_EQ(kGridCommands[13], &cmd::SetColumnKind);
  EXPECT_EQ(kGridCommands[14], &cmd::NewGrid);
}

}  // namespace
}  // namespace grid
