#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "book/core/NoteBook.h"
#include "book/core/NoteNumberText.h"
#include "tests/book/BookTestSupport.h"

namespace book {
namespace {

using test::TempBook;

std::string Next(NoteBook& book, const std::string& day) {
  std::string number, why;
  EXPECT_TRUE(book.NextNumber(day, &number, &why)) << why;
  return number;
}

TEST(NoteNumbers, SerialsRestartEachDayAndSkipNumbersInUse) {
  TempBook file("numbers");
  auto book = file.Open();
  ASSERT_TRUE(book);
  EXPECT_EQ(Next(*book, "2024-01-05"), "NO.20240105001");
  EXPECT_EQ(Next(*book, "2024-01-05"), "NO.20240105002");
  EXPECT_EQ(Next(*book, "2024-01-06"), "NO.20240106001");
  // A number typed by hand onto a recorded note is not handed out again.
  test::Record(*book, test::Note("NO.20240105003", "甲", "2024-01-05", "x"));
  EXPECT_EQ(Next(*book, "2024-01-05"), "NO.20240105004");

  std::string number, why;
  EXPECT_FALSE(book->NextNumber("2024-02-30", &number, &why));
  EXPECT_NE(why.find("日期"), std::string::npos);
}

TEST(NoteNumbers, TheFormatIsKeptInTheBook) {
  TempBook file("format");
  {
    auto book = file.Open();
    ASSERT_TRUE(book);
    EXPECT_EQ(book->GetNumberFormat().value.prefix, "NO.");
    std::string why;
    EXPECT_FALSE(book->SetNumberFormat(NumberFormat{"NO.", true, 0}, &why));
    EXPECT_FALSE(book->SetNumberFormat(NumberFormat{"前缀\n", true, 3}, &why));
    ASSERT_TRUE(book->SetNumberFormat(NumberFormat{"送-", false, 4}, &why)) << why;
  }
  auto book = file.Open();
  ASSERT_TRUE(book);
  NumberFormat format = book->GetNumberFormat().value;
  EXPECT_EQ(format.prefix, "送-");
  EXPECT_FALSE(format.withDate);
  EXPECT_EQ(format.serialDigits, 4);
  // Without a date part the serial does not restart.
  EXPECT_EQ(Next(*book, "2024-01-05"), "送-0001");
  EXPECT_EQ(Next(*book, "2024-01-06"), "送-0002");
  EXPECT_EQ(NoteNumberText("NO.", 1000, 3), "NO.1000");
}

// Two programs: each its own connection, drawing at the same time.
TEST(NoteNumbers, TwoConnectionsNeverHandOutTheSameNumber) {
  TempBook file("two");
  auto first = file.Open(), second = file.Open();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(Next(*first, "2024-01-05"), "NO.20240105001");
  EXPECT_EQ(Next(*second, "2024-01-05"), "NO.20240105002");
  EXPECT_EQ(Next(*first, "2024-01-05"), "NO.20240105003");

  constexpr int kEach = 40;
  std::vector<std::string> drawn[2];
  auto draw = [&](NoteBook* book, std::vector<std::string>* out) {
    for (int i = 0; i < kEach; ++i) out->push_back(Next(*book, "2024-01-06"));
  };
  std::thread a(draw, first.get(), &drawn[0]), b(draw, second.get(), &drawn[1]);
  a.join();
  b.join();
  std::set<std::string> all(drawn[0].begin(), drawn[0].end());
  all.insert(drawn[1].begin(), drawn[1].end());
  EXPECT_EQ(all.size(), size_t(2 * kEach));
  EXPECT_EQ(*all.begin(), "NO.20240106001");
  EXPECT_EQ(*all.rbegin(), "NO.20240106080");
}

}  // namespace
}  // namespace book
