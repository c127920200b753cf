// notebook on a server book: push a file book up, then the server answers list,
// statement and take-number as the file does.
#include <gtest/gtest.h>

#include "tests/book/BookTestSupport.h"
#include "tests/bookstores/StoreTestSupport.h"
#include "tools/notebook/NotebookCommand.h"

namespace notebook {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunArgs(const std::vector<std::string>& args) {
  Outcome r;
  r.status = RunNotebook(args, &r.out, &r.err);
  return r;
}

TEST(NotebookServer, PushThenTheServerAnswersAsTheFileDoes) {
  book::test::TempBook file("push");
  std::string server = book::test::FreshServerBook("cli_push");
  std::vector<std::string> onFile = {"--book", file.path()}, onServer = {"--server", server};
  auto with = [](std::vector<std::string> place, std::vector<std::string> args) {
    place.insert(place.end(), args.begin(), args.end());
    return RunArgs(place);
  };
  Outcome taken = with(onFile, {"take-number", "--date", "2026-12-09"});
  ASSERT_EQ(taken.status, 0) << taken.err;
  EXPECT_EQ(taken.out, "NO.20261209001\n");
  {
    auto book = file.Open();
    ASSERT_TRUE(book);
    book::test::Record(*book, book::test::Note("NO.20261209001", "张三", "2026-12-09", "a.qgd",
                                               {book::test::Item(1, "S", "片", "2", "0.5"),
                                                book::test::Item(2, "T", "块", "1", "0.25")}));
  }
  Outcome pushed = with(onFile, {"push", "--server", server});
  ASSERT_EQ(pushed.status, 0) << pushed.err;
  EXPECT_EQ(pushed.out, "uploaded 1 notes, 2 items, 0 payments, 1 customers, 1 serials\n");
  Outcome again = with(onFile, {"push", "--server", server});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("server"), std::string::npos) << again.err;

  for (const char* command : {"list", "statement"}) {
    std::vector<std::string> args = {command, "--customer", u8"张三"};
    if (std::string(command) == "statement")
      args.insert(args.end(), {"--from", "2026-12-01", "--to", "2026-12-31"});
    args.push_back("--csv");
    Outcome a = with(onFile, args), b = with(onServer, args);
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(b.out, a.out) << command;
  }
  Outcome next = with(onServer, {"take-number", "--date", "2026-12-09"});
  EXPECT_EQ(next.out, "NO.20261209002\n") << next.err;

  Outcome wrong = RunArgs(
      {"--server", "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Database=x;", "list", "--csv"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.err.find(u8"无法连接服务器账本"), std::string::npos) << wrong.err;
}

}  // namespace
}  // namespace notebook
