#include "tools/notebook/NotebookCommand.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "grid/core/GridFile.h"
#include "grid/core/GridModel.h"
#include "tests/book/BookTestSupport.h"

namespace notebook {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Notebook(const std::vector<std::string>& args) {
  Outcome r;
  r.status = RunNotebook(args, &r.out, &r.err);
  return r;
}

// A note saved as the program saves it: 24 rows, 7 columns, titles and items.
void SaveNote(const std::string& path, const std::string& number, const std::string& customer,
              const std::string& date, const std::vector<std::string>& amounts, int rows = 24) {
  grid::GridModel g;
  g.SetRowCount(rows);
  g.SetColCount(7);
  g.SetCellText(0, 0, "销售单号：" + number + std::string(34, ' ') + "客户名称：" + customer);
  g.SetCellText(1, 0, "经手人：" + std::string(30, ' ') + "日期：" + date);
  for (size_t i = 0; i < amounts.size(); ++i) {
    g.SetCellText(int(3 + i), 1, "规格" + std::to_string(i));
    g.SetCellText(int(3 + i), 5, amounts[i]);
  }
  g.Title().text = "送货单";
  ASSERT_TRUE(grid::SaveGridFile(g, path));
}

class NotebookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(folder_);
    fs::create_directories(folder_ + u8"/2024/二月");
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const {
    return fs::absolute(folder_ + "/" + name).lexically_normal().string();
  }
  Outcome List(std::vector<std::string> filters = {}) const {
    std::vector<std::string> args = {"--book", book_.path(), "list"};
    args.insert(args.end(), filters.begin(), filters.end());
    args.push_back("--csv");
    return Notebook(args);
  }

  std::string folder_ = ::testing::TempDir() + "notebook_notes";
  book::test::TempBook book_{"notebook"};
};

TEST_F(NotebookTest, ImportAFolderThenListEachNote) {
  SaveNote(Path("a.qgd"), "NO.20240105001", "张三", "2024年1月5日", {"7", "0.1", "0.2"});
  SaveNote(Path(u8"2024/二月/b.QGD"), "NO.20240210001", "李四", "2024年2月10日", {"1234.5"});
  SaveNote(Path("2024/c.qgd"), "", "张三, \"总店\"", "2024年2月1日", {});
  SaveNote(Path("2024/short.qgd"), "X", "甲", "2024年2月1日", {}, 10);
  book::test::WriteBytes(Path("2024/broken.qgd"), "QGRD not really");
  book::test::WriteBytes(Path("readme.txt"), "not a note, not looked at");

  Outcome imported = Notebook({"--book", book_.path(), "import", folder_});
  EXPECT_EQ(imported.status, kExitFailure);
  EXPECT_EQ(imported.out, "imported 3, skipped 2\n");
  EXPECT_NE(imported.err.find("notebook: " + Path("2024/broken.qgd") + ": not a grid file"),
            std::string::npos)
      << imported.err;
  EXPECT_NE(imported.err.find("notebook: " + Path("2024/short.qgd") + ": " + u8"表格不是送货单"),
            std::string::npos)
      << imported.err;

  const std::string expected =
      u8"date,number,customer,total,file\r\n"
      u8"2024-02-10,NO.20240210001,李四,1234.5," +
      Path(u8"2024/二月/b.QGD") + "\r\n" + u8"2024-02-01,,\"张三, \"\"总店\"\"\",0," + Path("2024/c.qgd") +
      "\r\n" + u8"2024-01-05,NO.20240105001,张三,7.3," + Path("a.qgd") + "\r\n";
  Outcome listed = List();
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_EQ(listed.out, expected);

  // Again, file by file: the records are replaced, not doubled.
  Outcome again = Notebook({"--book", book_.path(), "import", Path("a.qgd"), Path("2024/c.qgd")});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, "imported 2, skipped 0\n");
  EXPECT_EQ(List().out, expected);

  EXPECT_EQ(List({"--customer", u8"张三"}).out.find(u8"李四"), std::string::npos);
  Outcome range = List({"--from", "2024-02-01", "--to", "2024-02-09"});
  EXPECT_EQ(range.out, u8"date,number,customer,total,file\r\n2024-02-01,,\"张三, \"\"总店\"\"\",0," +
                           Path("2024/c.qgd") + "\r\n");
  EXPECT_EQ(List({"--customer", u8"无此人"}).out, "date,number,customer,total,file\r\n");
}

TEST_F(NotebookTest, PaymentsAndTheStatementInTwoDecimals) {
  SaveNote(Path("a.qgd"), "NO.1", "张三", "2024年1月5日", {"7", "0.1", "0.2"});
  ASSERT_EQ(Notebook({"--book", book_.path(), "import", Path("a.qgd")}).status, 0);
  const std::string pay[] = {"--book", book_.path(), "pay", "--customer", u8"张三", "--date", "2024-01-20"};
  std::vector<std::string> args(std::begin(pay), std::end(pay));
  auto with = [&](std::vector<std::string> more) {
    more.insert(more.begin(), args.begin(), args.end());
    return Notebook(more);
  };
  Outcome paid = with({"--amount", "5.3", "--remark", u8"现金, 月结"});
  EXPECT_EQ(paid.status, 0) << paid.err;
  EXPECT_EQ(paid.out, "recorded payment 1\n");
  EXPECT_EQ(with({"--amount", "abc"}).status, kExitUsage);
  EXPECT_EQ(with({"--amount", "1.234"}).err, "notebook: " + book_.path() + u8": 收款金额最多两位小数\n");
  EXPECT_EQ(with({"--amount", "1", "--remark", u8"\U0001F600"}).status, kExitUsage);  // no GBK for it

  Outcome listed = Notebook({"--book", book_.path(), "payments", "--customer", u8"张三", "--csv"});
  EXPECT_EQ(listed.out, u8"id,date,amount,remark\r\n1,2024-01-20,5.30,\"现金, 月结\"\r\n");
  Outcome statement = Notebook({"--book", book_.path(), "statement", "--customer", u8"张三", "--from",
                                "2024-01-01", "--to", "2024-01-31", "--csv"});
  EXPECT_EQ(statement.status, 0) << statement.err;
  EXPECT_EQ(statement.out,
            u8"日期,单号,规格,数量,单位,单价,金额,备注\r\n"
            u8"2024-01-05,NO.1,规格0,,,,7,\r\n"
            u8"2024-01-05,NO.1,规格1,,,,0.1,\r\n"
            u8"2024-01-05,NO.1,规格2,,,,0.2,\r\n"
            u8"2024-01-20,收款,\"现金, 月结\",,,,5.30,\r\n"
            u8"期初欠款,0.00\r\n本期送货,7.30\r\n本期收款,5.30\r\n期末欠款,2.00\r\n");
  EXPECT_EQ(Notebook({"--book", book_.path(), "statement", "--customer", u8"张三", "--csv"}).status,
            kExitUsage);
}

TEST_F(NotebookTest, ReceivablesOnADayAndVoidedNotes) {
  SaveNote(Path("a.qgd"), "NO.1", "张三", "2024年1月5日", {"7", "0.1", "0.2"});
  SaveNote(Path("b.qgd"), "NO.2", "李四", "2024年3月1日", {"100"});
  SaveNote(Path("c.qgd"), "NO.3", "张三", "2024年3月20日", {"50"});
  ASSERT_EQ(Notebook({"--book", book_.path(), "import", folder_}).status, 0);
  ASSERT_EQ(Notebook({"--book", book_.path(), "pay", "--customer", u8"张三", "--date", "2024-02-01",
                      "--amount", "5"})
                .status,
            0);
  auto receivables = [&](const char* asOf) {
    return Notebook({"--book", book_.path(), "receivables", "--as-of", asOf, "--csv"});
  };
  const std::string header = u8"客户,送货合计,收款合计,欠款,0–30 天,31–60 天,61–90 天,90 天以上\r\n";
  Outcome r = receivables("2024-03-31");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, header +
                       u8"李四,100.00,0.00,100.00,100.00,0.00,0.00,0.00\r\n"
                       u8"张三,57.30,5.00,52.30,50.00,0.00,2.30,0.00\r\n"
                       u8"合计,157.30,5.00,152.30,150.00,0.00,2.30,0.00\r\n");

  Outcome voided = Notebook({"--book", book_.path(), "void", "NO.3"});
  EXPECT_EQ(voided.status, 0) << voided.err;
  EXPECT_EQ(voided.out, "voided NO.3\n");
  EXPECT_EQ(receivables("2024-03-31").out, header +
                                               u8"李四,100.00,0.00,100.00,100.00,0.00,0.00,0.00\r\n"
                                               u8"张三,7.30,5.00,2.30,0.00,0.00,2.30,0.00\r\n"
                                               u8"合计,107.30,5.00,102.30,100.00,0.00,2.30,0.00\r\n");
  EXPECT_EQ(List({"--customer", u8"张三"}).out,
            u8"date,number,customer,total,file\r\n"
            u8"2024-03-20,NO.3,张三,50," +
                Path("c.qgd") + ",void\r\n" + u8"2024-01-05,NO.1,张三,7.3," + Path("a.qgd") + "\r\n");
  // Imported again, the note stays voided.
  ASSERT_EQ(Notebook({"--book", book_.path(), "import", Path("c.qgd")}).status, 0);
  EXPECT_NE(List().out.find(",void\r\n"), std::string::npos);
  EXPECT_EQ(Notebook({"--book", book_.path(), "unvoid", "NO.3"}).out, "unvoided NO.3\n");
  EXPECT_EQ(List().out.find(",void"), std::string::npos);

  Outcome missing = Notebook({"--book", book_.path(), "void", "NO.9"});
  EXPECT_EQ(missing.status, kExitFailure);
  EXPECT_EQ(missing.err, "notebook: " + book_.path() + u8": 账本中没有单号为 NO.9 的单据\n");
  EXPECT_EQ(Notebook({"--book", book_.path(), "void"}).status, kExitUsage);
  EXPECT_EQ(receivables("2024-3-31").status, kExitUsage);
  Outcome today = Notebook({"--book", book_.path(), "receivables", "--csv"});
  EXPECT_EQ(today.status, 0) << today.err;
  EXPECT_NE(today.out.find(u8"合计,157.30,5.00,152.30,0.00,0.00,0.00,152.30\r\n"), std::string::npos)
      << today.out;
}

// Amount cells as traders type them: the list and the statement count what each note's
// own total counts (12 + 12 + 7.5 + 0 + 1000 - 3 + 0).
TEST_F(NotebookTest, OddAmountTextsCountAsTheNotesOwnTotal) {
  SaveNote(Path("odd.qgd"), "NO.9", "张三", "2024年1月5日", {"12元", "１２", " 7.5", "abc", "1e3", "-3", ""});
  ASSERT_EQ(Notebook({"--book", book_.path(), "import", Path("odd.qgd")}).status, 0);
  EXPECT_EQ(List().out,
            u8"date,number,customer,total,file\r\n2024-01-05,NO.9,张三,1028.5," + Path("odd.qgd") + "\r\n");
  Outcome statement = Notebook({"--book", book_.path(), "statement", "--customer", u8"张三", "--from",
                                "2024-01-01", "--to", "2024-01-31", "--csv"});
  EXPECT_EQ(statement.status, 0) << statement.err;
  EXPECT_NE(statement.out.find(u8"本期送货,1028.50\r\n"), std::string::npos) << statement.out;
  EXPECT_NE(statement.out.find(u8"期末欠款,1028.50\r\n"), std::string::npos) << statement.out;
}

TEST_F(NotebookTest, BadInputChangesNothing) {
  EXPECT_EQ(Notebook({"--book", book_.path(), "list", "--csv"}).status, kExitFailure);  // no such book
  EXPECT_FALSE(fs::exists(book_.path()));
  EXPECT_EQ(Notebook({"--book", book_.path(), "import"}).status, kExitUsage);
  EXPECT_EQ(Notebook({"import", "x"}).status, kExitUsage);
  EXPECT_EQ(List({"--from", "2024-1-5"}).status, kExitUsage);

  book::test::WriteBytes(book_.path(), std::string(8192, '\x01'));
  SaveNote(Path("a.qgd"), "1", "甲", "2024年1月5日", {"1"});
  Outcome damaged = Notebook({"--book", book_.path(), "import", Path("a.qgd")});
  EXPECT_EQ(damaged.status, kExitFailure);
  EXPECT_EQ(damaged.out, "");
  EXPECT_EQ(damaged.err, "notebook: " + book_.path() + u8": 账本文件已损坏\n");
  EXPECT_EQ(book::test::ReadBytes(book_.path()), std::string(8192, '\x01'));
  EXPECT_EQ(List().status, kExitFailure);
}

}  // namespace
}  // namespace notebook
