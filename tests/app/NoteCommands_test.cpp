// The file, tool and help commands: dialogs answered by the test, files on disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/core/FileCommands.h"
#include "app/core/NoteBookAccess.h"
#include "app/core/NoteHandlers.h"
#include "app/core/NoteSession.h"
#include "app/core/ProgramTemplates.h"
#include "grid/core/GridFile.h"
#include "tests/app/NoteTestHost.h"

namespace app {
namespace {

using test::NoteTestHost;

std::vector<char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

class NoteFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildNoteLayout({});
    host.texts[NoteTestHost::Key(kCustomerEditId, 8)] = "华联建材";
    OnCustomerChanged({});
    host.grid.SetCellText(3, 2, "2");
    host.grid.SetCellText(3, 3, "平方米");
    host.grid.SetCellText(3, 4, "3.5");
    RecalculateNote({});
    RecalculateNote({});
    std::remove(path.c_str());
  }
  void TearDown() override { std::remove(path.c_str()); }
  // The next dialog confirms `name` (or cancels when it is empty).
  void Choose(const std::string& name) {
    host.dialogAnswer = [this, name](uint32_t dialog) {
      shownDialogs.push_back(dialog);
      host.texts[NoteTestHost::Key(dialog, 10)] = name;
      return !name.empty();
    };
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const test::Call& c : host.Named("InfoBox")) out.push_back(c.args[0] + " " + c.args[1]);
    return out;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (int r = 0; r < host.grid.RowCount(); ++r)
      for (int c = 0; c < host.grid.ColCount(); ++c) out.push_back(host.grid.CellText(r, c));
    return out;
  }

  NoteTestHost host;
  std::string path = ::testing::TempDir() + "note_files_test.qgd";
  std::vector<uint32_t> shownDialogs;
};

TEST_F(NoteFiles, SavedNoteOpensAgainExactly) {
  host.calls.clear();
  Choose(path);
  OnSave({});
  EXPECT_EQ(shownDialogs, std::vector<uint32_t>{kSaveDialogId});
  EXPECT_EQ(host.texts[NoteTestHost::Key(kSaveDialogId, 11)], "表格文件(*.qgd)|*.qgd");
  EXPECT_EQ(Boxes(), std::vector<std::string>{"\"保存成功!\" 64"});
  EXPECT_EQ(host.Named("InfoBox")[0].args.size(), 2u) << "caption left to the box";

  std::vector<std::string> saved = Texts();
  EXPECT_EQ(saved[23 * 7 + 1], "大写金额：柒元整");
  host.grid.SetCellText(3, 2, "9");
  host.grid.SetCellText(23, 5, "小写金额：999");
  host.calls.clear();
  OnOpen({});
  EXPECT_EQ(shownDialogs.back(), kOpenDialogId);
  EXPECT_EQ(host.texts[NoteTestHost::Key(kOpenDialogId, 11)], "表格文件(*.qgd)|*.qgd");
  EXPECT_EQ(Texts(), saved);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(host.Named("SetCellData").empty()) << "opening recomputes nothing";
}

TEST_F(NoteFiles, CancelledDialogsDoNothing) {
  host.calls.clear();
  Choose("");
  OnSave({});
  OnOpen({});
  EXPECT_EQ(shownDialogs.size(), 2u);
  EXPECT_TRUE(host.Named("SaveFile").empty());
  EXPECT_TRUE(host.Named("LoadFile").empty());
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(NoteFiles, FailedSaveLeavesTheOldFileAndSaysSo) {
  Choose(path);
  OnSave({});
  std::vector<char> before = FileBytes(path);
  ASSERT_FALSE(before.empty());

  // The save writes beside the file first; a directory in that place makes it fail.
  std::string blocker = path + ".saving~";
  ASSERT_TRUE(std::filesystem::create_directory(blocker));
  host.grid.SetCellText(4, 2, "5");
  host.calls.clear();
  OnSave({});
  std::filesystem::remove(blocker);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"\"保存失败!\" 16"});
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(NoteFiles, WrongFileIsReportedAndAnotherLayoutIsShown) {
  { std::ofstream(path, std::ios::binary) << "not a grid file"; }
  Choose(path);
  host.calls.clear();
  OnOpen({});
  EXPECT_EQ(Boxes(), std::vector<std::string>{"\"打开表格文件出错!\" 16"});

  // A grid of 30 rows and 9 columns: shown as it is, recomputed only where the note is.
  grid::GridModel other;
  other.SetRowCount(30);
  other.SetColCount(9);
  other.SetCellText(0, 0, "另一张表");
  for (int r : {5, 25}) {
    other.SetCellText(r, 2, "4");
    other.SetCellText(r, 4, "2.5");
  }
  ASSERT_TRUE(grid::SaveGridFile(other, path));
  host.calls.clear();
  OnOpen({});
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(host.grid.RowCount(), 30);
  EXPECT_EQ(host.grid.ColCount(), 9);
  EXPECT_EQ(host.grid.MergedBlocks().size(), 0u);
  EXPECT_EQ(host.grid.CellText(0, 0), "另一张表");
  RecalculateNote({});
  EXPECT_EQ(host.grid.CellText(5, 5), "10");
  EXPECT_EQ(host.grid.CellText(25, 5), "") << "row 25 lies beyond the note's item rows";
  EXPECT_EQ(host.grid.CellText(23, 5), "小写金额：10");

  // A smaller layout: the item rows it lacks are skipped, the program goes on.
  grid::GridModel small;
  small.SetRowCount(8);
  small.SetColCount(6);
  small.SetCellText(5, 2, "4");
  small.SetCellText(5, 4, "2.5");
  ASSERT_TRUE(grid::SaveGridFile(small, path));
  OnOpen({});
  ASSERT_EQ(host.grid.RowCount(), 8);
  RecalculateNote({});
  EXPECT_EQ(host.grid.CellText(5, 5), "10");
}

// A note saved without a number takes the book's next one into its title before the
// file is written; the next save keeps it, and a typed number is never replaced.
TEST_F(NoteFiles, AFirstSaveNumbersTheNoteFromTheBook) {
  std::string bookPath = ::testing::TempDir() + "note_files_numbers.db";
  std::remove(bookPath.c_str());
  SetNoteBookPath(bookPath);
  Choose(path);
  OnSave({});
  std::string title = host.grid.CellText(0, 0);
  EXPECT_EQ(title.rfind("销售单号：NO.", 0), 0u) << title;
  EXPECT_NE(title.find("客户名称：华联建材"), std::string::npos);
  EXPECT_NE(FileBytes(path).size(), 0u);
  OnSave({});
  EXPECT_EQ(host.grid.CellText(0, 0), title);
  std::string why;
  auto listed = OpenNoteBook(&why)->List({}).value;
  ASSERT_EQ(listed.size(), 1u) << why;
  EXPECT_EQ("销售单号：" + listed[0].number, title.substr(0, title.find(' ')));

  host.grid.SetCellText(0, 0, "销售单号：A-1 客户名称：华联建材");
  OnSave({});
  EXPECT_EQ(host.grid.CellText(0, 0), "销售单号：A-1 客户名称：华联建材");
  EXPECT_EQ(OpenNoteBook(&why)->List({}).value.at(0).number, "A-1");
  SetNoteBookPath("");
  std::remove(bookPath.c_str());
}

// Without unsaved edits exit ends at once; with them it asks, and 取消 (or a box
// closed without an answer) keeps the program.
TEST(NoteCommands, ExitAsksOnlyWhenEditsAreUnsaved) {
  NoteTestHost host;
  MarkNoteClean("");
  try {
    OnExit({});
    FAIL() << "exit must not return";
  } catch (const test::ProgramEnded& e) {
    EXPECT_EQ(e.code, 0);
  }
  EXPECT_TRUE(host.Named("InfoBox").empty()) << "nothing asked";
  EXPECT_TRUE(host.Named("SaveFile").empty());

  host.grid.SetCellText(3, 1, "typed");
  for (int answer : {0, 2 /* 取消 */}) {
    host.boxAnswer = [answer](const std::string&) { return answer; };
    OnExit({});  // returns: the program stays
    EXPECT_EQ(host.Named("InfoBox").back().args[0], "\"当前单据尚未保存，是否保存？\"");
  }
  EXPECT_EQ(OnMainWindowCloseRequest({}).value, 0u) << "the close box keeps the window";
  host.boxAnswer = [](const std::string&) { return kAnswerNo; };
  EXPECT_EQ(OnMainWindowCloseRequest({}).value, 1u);
  EXPECT_TRUE(host.Named("SaveFile").empty());
}

TEST(NoteCommands, ToolsAndSideWindows) {
  NoteTestHost host;
  OnCalculator({});
  OnMonthCalendar({});
  OnAbout({});
  OnUsageHelp({});
  std::vector<std::string> lines;
  for (const test::Call& c : host.calls) lines.push_back(c.Line());
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "RunProgram(\"calc.exe\",false)=false",  // a failure is not reported
                       "LoadWindow(unit:520100d7/60100d6,-,true)=true",
                       "LoadWindow(unit:520100c6/60100c5,-,true)=true",
                       "LoadWindow(unit:520100ec/60100eb,-,true)=true",
                   }));
}

}  // namespace
}  // namespace app
