// The blank note, the title rows and the grid's place in the window, through the
// handlers and the real grid commands.
#include <gtest/gtest.h>

#include "app/core/Handlers.h"
#include "app/core/NoteHandlers.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridTypes.h"
#include "tests/app/NoteTestHost.h"

namespace app {
namespace {

using test::NoteTestHost;
using test::Spaces;

const std::string G = "unit:52010001/1601000c";  // the note grid as an argument
constexpr double k8Dec2026 = 46364;

std::vector<std::string> Lines(const std::vector<test::Call>& calls) {
  std::vector<std::string> out;
  for (const test::Call& c : calls) out.push_back(c.Line());
  return out;
}

std::string SetText(int r, int c, const std::string& text) {
  return "SetCellData(" + G + "," + std::to_string(r) + "," + std::to_string(c) + ",1,\"" + text + "\")=true";
}
std::string Width(int c, int w) {
  return "SetColWidth(" + G + "," + std::to_string(c) + "," + std::to_string(w) + ")=true";
}

TEST(NoteLayout, BuildsTheBlankNoteWithEveryCallInOrder) {
  NoteTestHost host;
  host.noteDate = k8Dec2026 + 0.75;  // the time of day is not written
  BuildNoteLayout({});

  std::vector<std::string> want = {"MergeCells(" + G + ",0,0,0,6)=-", "MergeCells(" + G + ",1,0,1,6)=-",
                                   "MergeCells(" + G + ",23,5,23,6)=-", "MergeCells(" + G + ",23,1,23,4)=-"};
  for (int r = 3; r <= 22; ++r) want.push_back(SetText(r, 0, std::to_string(r - 2)));
  using Texts = std::vector<std::string>;
  for (const std::string& s :
       Texts{SetText(23, 0, "合计"), SetText(23, 1, "大写金额："), SetText(23, 5, "小写金额："),
             SetText(2, 0, "编号"), Width(0, 30), SetText(2, 1, "    规    格 CM"), Width(1, 120),
             SetText(2, 2, "  数量"), Width(2, 60), SetText(2, 3, "  单位"), Width(3, 50),
             "ClearListItems(" + G + ")=-"})
    want.push_back(s);
  for (const char* unit : {"平方米", "立方米", "米", "套", "片", "块"})
    want.push_back("AddListItem(" + G + ",\"" + unit + "\")=-");
  for (const std::string& s :
       Texts{"SetColumnKind(" + G + ",3,4)=true", "AddColumnListItem(" + G + ",1,\"插入的下拉列表项\")=false",
             SetText(2, 4, "  单价"), SetText(2, 5, "  金额"), Width(5, 70), SetText(2, 6, "     备注"),
             Width(6, 100), SetText(0, 0, "销售单号：" + Spaces(36) + "客户名称："),
             "DatePart(date:46364.75)=date:46364", "ToText(date:46364)=\"2026年12月8日\"",
             SetText(1, 0, "经手人：" + Spaces(37) + "日期：2026年12月8日")})
    want.push_back(s);
  EXPECT_EQ(Lines(host.calls), want);

  // What the user sees: widths (column 4 keeps the grid's), merges, the unit list.
  const grid::GridModel& g = host.grid;
  const int widths[7] = {30, 120, 60, 50, 60, 70, 100};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(g.ColWidth(c), widths[c]) << c;
  ASSERT_EQ(g.MergedBlocks().size(), 4u);
  EXPECT_EQ(g.MergedBlocks()[3], (grid::MergedBlock{23, 1, 23, 1, 23, 4}));
  const grid::ColumnKindEntry* units = g.FindColumnKind(3);
  ASSERT_TRUE(units && units->list);
  EXPECT_EQ(*units->list, (std::vector<std::string>{"平方米", "立方米", "米", "套", "片", "块"}));
  EXPECT_EQ(g.FindColumnKind(1), nullptr);
  EXPECT_EQ(g.CellText(22, 0), "20");
}

TEST(NoteLayout, TitleRowsFollowTheCustomerBoxAndTheDateBox) {
  NoteTestHost host;
  host.noteDate = k8Dec2026;
  BuildNoteLayout({});
  host.grid.SetCellText(0, 0, "销售单号：A-17");  // typed by the user, overwritten below
  host.grid.SetCellText(1, 0, "经手人：某某");

  host.texts[NoteTestHost::Key(kCustomerEditId, 8)] = "华联建材";
  OnCustomerChanged({});
  EXPECT_EQ(host.grid.CellText(0, 0), "销售单号：" + Spaces(34) + "客户名称：华联建材");
  host.texts[NoteTestHost::Key(kCustomerEditId, 8)] = "";
  OnCustomerChanged({});
  EXPECT_EQ(host.grid.CellText(0, 0), "销售单号：" + Spaces(34) + "客户名称：");

  host.noteDate = k8Dec2026 + 24 + 0.5;  // 1 January 2027, noon
  OnDateChanged({});
  EXPECT_EQ(host.grid.CellText(1, 0), "经手人：" + Spaces(30) + "日期：2027年1月1日");

  size_t before = host.calls.size();
  OnHeaderTextChanged({});
  EXPECT_EQ(host.calls.size(), before) << "the print title is read only when printing";
}

TEST(NoteLayout, GridFillsTheClientAreaBelowTheTitleControls) {
  NoteTestHost host;
  host.clientWidth = 400;
  host.clientHeight = 300;
  FitGridToWindow({});
  ASSERT_EQ(host.Named("MoveUnit").size(), 1u);
  EXPECT_EQ(host.Named("MoveUnit")[0].Line(), "MoveUnit(" + G + ",5,30,390,265)=-");

  // A minimised window: an empty grid, never a negative size or the "unchanged" -1.
  host.calls.clear();
  host.clientWidth = 9;
  host.clientHeight = 0;
  FitGridToWindow({});
  EXPECT_EQ(host.Named("MoveUnit")[0].Line(), "MoveUnit(" + G + ",5,30,0,0)=-");
}

TEST(ProgramEntry, StartsTheHostThenTheMainWindowThenTheLoop) {
  NoteTestHost host;
  EXPECT_EQ(RunProgramEntry(), 0);
  EXPECT_EQ(host.trail, (std::vector<std::string>{"RuntimeNotify(6)", "RuntimeNotify(3)",
                                                  "LoadStartWindow(52010001)", "RunMessageLoop"}));
  EXPECT_EQ(host.exitRoutine, &ProgramExitRoutine);
}

}  // namespace
}  // namespace app
