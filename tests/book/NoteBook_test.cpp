#include "book/core/NoteBook.h"

#include <gtest/gtest.h>

#include "book/core/CustomerName.h"
#include "tests/book/BookTestSupport.h"

namespace book {
namespace {

using test::Item;
using test::Note;
using test::TempBook;

std::vector<std::string> Numbers(const std::vector<NoteSummary>& notes) {
  std::vector<std::string> numbers;
  for (const NoteSummary& n : notes) numbers.push_back(n.number);
  return numbers;
}

TEST(NoteBook, ListsNewestFirstAndFilters) {
  TempBook file("list");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("A1", "张三", "2024-01-05", "a1.qgd", {Item(1, "120×60", "平方米", "3.5", "7")}));
  test::Record(*book, Note("A2", "李四", "2024-03-01", "a2.qgd", {Item(2, "80×80", "片", "2", "4.5")}));
  test::Record(*book, Note("A3", "张三", "2024-02-10", "a3.qgd"));
  test::Record(*book, Note("A4", "张三", "", "a4.qgd"));        // undated
  test::Record(*book, Note("A5", "", "2024-02-10", "a5.qgd"));  // saved after A3, same day

  std::vector<NoteSummary> all = book->List({}).value;
  EXPECT_EQ(Numbers(all), (std::vector<std::string>{"A2", "A5", "A3", "A1", "A4"}));
  EXPECT_EQ(all[0].noteDate, "2024-03-01");
  EXPECT_EQ(all[0].customer, "李四");
  EXPECT_EQ(all[0].filePath, "a2.qgd");
  EXPECT_EQ(all[0].total, 45 * kMoneyScale / 10);
  EXPECT_EQ(all[1].customer, "");

  EXPECT_EQ(Numbers(book->List({"张三", "", ""}).value), (std::vector<std::string>{"A3", "A1", "A4"}));
  EXPECT_EQ(Numbers(book->List({"张三", "2024-01-06", ""}).value), (std::vector<std::string>{"A3"}));
  EXPECT_EQ(Numbers(book->List({"", "2024-01-05", "2024-02-10"}).value),
            (std::vector<std::string>{"A5", "A3", "A1"}));
  EXPECT_EQ(Numbers(book->List({"", "", "2024-01-31"}).value),
            (std::vector<std::string>{"A1"}));  // not the undated
  Answer<std::vector<NoteSummary>> none = book->List({"王五", "", ""});
  EXPECT_TRUE(none.ok && none.value.empty());
  Answer<std::vector<NoteSummary>> failed = book->List({"", "2024-13-01", ""});
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.why, "日期有误：2024-13-01");
}

TEST(NoteBook, SavingAgainReplacesTheRecord) {
  TempBook file("replace");
  auto book = file.Open();
  ASSERT_TRUE(book);
  // By number, wherever the file went and whatever changed.
  test::Record(*book, Note("N1", "张三", "2024-01-05", "old.qgd", {Item(1, "S", "片", "2", "2")}));
  test::Record(*book, Note("N1", "李四", "2024-01-06", "new.qgd", {Item(3, "S", "块", "5", "10")}));
  std::vector<NoteSummary> notes = book->List({}).value;
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].customer, "李四");
  EXPECT_EQ(notes[0].filePath, "new.qgd");
  EXPECT_EQ(notes[0].total, 10 * kMoneyScale);
  EXPECT_FALSE(book->LastItemFor("张三", "S").value);
  EXPECT_EQ(book->LastItemFor("李四", "S").value->unit, "块");

  // Without a number, by file path; a number typed later takes the same record over.
  test::Record(*book, Note("", "王五", "2024-02-01", "draft.qgd"));
  test::Record(*book, Note("", "王五", "2024-02-02", "draft.qgd"));
  test::Record(*book, Note("", "王五", "2024-02-02", "other.qgd"));
  EXPECT_EQ(book->List({"王五", "", ""}).value.size(), 2u);
  test::Record(*book, Note("N2", "王五", "2024-02-02", "draft.qgd"));
  EXPECT_EQ(Numbers(book->List({"王五", "", ""}).value), (std::vector<std::string>{"N2", ""}));
  EXPECT_EQ(book->List({}).value.size(), 3u);
}

TEST(NoteBook, ARenumberedNoteSavedToItsFileIsOneNote) {
  TempBook file("renumber");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("N1", "张三", "2024-01-05", "a.qgd", {Item(1, "S", "片", "2", "2")}));
  test::Record(*book, Note("N7", "张三", "2024-01-05", "a.qgd", {Item(1, "S", "片", "2", "2")}));
  EXPECT_EQ(Numbers(book->List({}).value), (std::vector<std::string>{"N7"}));
  Statement s;
  std::string why;
  ASSERT_TRUE(book->MakeStatement("张三", "2024-01-01", "2024-01-31", &s, &why)) << why;
  EXPECT_EQ(s.delivered, 2 * kMoneyScale);  // delivered once
  // Another file with another number is another note; the number taken over from
  // another file moves that note here.
  test::Record(*book, Note("N8", "张三", "2024-01-06", "b.qgd"));
  EXPECT_EQ(Numbers(book->List({}).value), (std::vector<std::string>{"N8", "N7"}));
  test::Record(*book, Note("N8", "张三", "2024-01-06", "a.qgd"));
  std::vector<NoteSummary> notes = book->List({}).value;
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].filePath, "a.qgd");
  // A number taken away from a file leaves one unnumbered record of it.
  test::Record(*book, Note("", "张三", "2024-01-06", "a.qgd"));
  EXPECT_EQ(Numbers(book->List({}).value), (std::vector<std::string>{""}));
}

// "张三　" (a full-width space) typed anywhere is the customer 张三.
TEST(NoteBook, ACustomerNameIsTrimmedOneWayEverywhere) {
  EXPECT_EQ(CustomerName("\t 张三\xA1\xA1 \t"), "张三");
  EXPECT_EQ(CustomerName("\xA1\xA1"), "");
  EXPECT_EQ(CustomerName("张 三"), "张 三");
  TempBook file("names");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("N1", "张三\xA1\xA1", "2024-01-05", "a.qgd", {Item(1, "S", "片", "3", "3")}));
  EXPECT_EQ(book->Customers().value, std::vector<std::string>{"张三"});
  EXPECT_EQ(book->LastItemFor(" 张三\xA1\xA1", "S").value->price, "3");
  EXPECT_EQ(book->List({"张三\t", "", ""}).value.size(), 1u);
  Payment paid{0, "\xA1\xA1张三", "2024-01-06", "", kMoneyScale};
  std::string why;
  ASSERT_TRUE(book->RecordPayment(&paid, &why)) << why;
  EXPECT_EQ(book->Payments("张三").value.size(), 1u);
  Statement s;
  ASSERT_TRUE(book->MakeStatement("张三\xA1\xA1", "2024-01-01", "2024-01-31", &s, &why)) << why;
  EXPECT_EQ(s.customer, "张三");
  EXPECT_EQ(s.closing, 2 * kMoneyScale);
}

TEST(NoteBook, TextsAreUtf8InTheFileAndComeBackExactly) {
  TempBook file("texts");
  {
    auto book = file.Open();
    ASSERT_TRUE(book);
    NoteRecord note =
        Note("", "张三", "2024-01-05", "D:\\单据\\一.qgd", {Item(1, "  规格\xA1\xA1", "平方米", "3", "3")});
    note.items[0].remarks = "\xAA\xA1 自造字";  // a user-defined code: no standard character
    note.customer = "\xAA\xA2";
    test::Record(*book, note);
    EXPECT_EQ(book->List({"\xAA\xA2", "", ""}).value.at(0).filePath, "D:\\单据\\一.qgd");
    EXPECT_EQ(book->Customers().value.at(0), "\xAA\xA2");
  }
  test::RawConnection raw(file.path());
  EXPECT_EQ(raw.Text("SELECT file_path FROM notes"), u8"D:\\单据\\一.qgd");
  EXPECT_EQ(raw.Text("SELECT dimensions FROM items"), u8"  规格\u3000");
  EXPECT_EQ(raw.Text("SELECT unit FROM items"), u8"平方米");
  EXPECT_EQ(raw.Text("SELECT typeof(remarks) FROM items"), "blob");  // kept as the bytes
  auto book = file.Open();
  ASSERT_TRUE(book);
  EXPECT_EQ(book->LastItemFor("\xAA\xA2", "  规格\xA1\xA1").value->unit, "平方米");
}

TEST(NoteBook, CustomersAndTheirLastPrices) {
  TempBook file("customers");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("1", "甲", "2024-01-01", "1",
                           {Item(1, "S", "片", "10", "10"), Item(2, "T", "块", "1", "1")}));
  test::Record(*book, Note("2", "乙", "2024-01-09", "2", {Item(1, "S", "套", "99", "99")}));
  test::Record(*book, Note("3", "甲", "2024-01-05", "3",
                           {Item(4, "S", "片", "12", "12"), Item(1, "S", "片", "11", "11")}));
  test::Record(*book, Note("4", "丙", "2024-01-02", "4"));
  // A later note with the same dimensions but neither unit nor price fills nothing in.
  test::Record(*book, Note("5", "甲", "2024-01-07", "5", {Item(1, "S", "", "", "")}));
  // Dated before note 3, though saved after it.
  test::Record(*book, Note("6", "甲", "2024-01-03", "6", {Item(1, "S", "片", "8", "8")}));

  EXPECT_EQ(book->Customers().value, (std::vector<std::string>{"甲", "丙", "乙"}));
  EXPECT_EQ(book->Customers(2).value.size(), 2u);
  std::optional<LastItem> s = book->LastItemFor("甲", "S").value;
  ASSERT_TRUE(s);
  EXPECT_EQ(s->price, "11");  // note 3, its first row with S
  EXPECT_EQ(book->LastItemFor("甲", "T").value->unit, "块");
  EXPECT_EQ(book->LastItemFor("乙", "S").value->price, "99");
  EXPECT_FALSE(book->LastItemFor("丙", "S").value);
  EXPECT_FALSE(book->LastItemFor("丁", "S").value);
  EXPECT_FALSE(book->LastItemFor("甲", "s").value);
}

TEST(NoteBook, ABatchIsRecordedWholeOrNotAtAll) {
  TempBook file("batch");
  auto book = file.Open();
  ASSERT_TRUE(book);
  std::vector<NoteRecord> notes = {
      Note("1", "甲", "2024-01-01", "1"), Note("2", "甲", "2024-01-02", "2"),
      Note("3", "甲", "2024-01-03", "3", {Item(1, "S", "", "", ""), Item(1, "T", "", "", "")})};
  std::string why;
  EXPECT_FALSE(book->RecordAll(notes, &why));
  EXPECT_NE(why.find("行号"), std::string::npos);
  EXPECT_TRUE(book->List({}).value.empty());
  notes.pop_back();
  notes.push_back(Note("3", "甲", "2024-13-03", "3"));
  EXPECT_FALSE(book->RecordAll(notes, &why));
  EXPECT_NE(why.find("日期"), std::string::npos);
  notes.pop_back();
  ASSERT_TRUE(book->RecordAll(notes, &why)) << why;
  EXPECT_EQ(book->List({}).value.size(), 2u);
}

}  // namespace
}  // namespace book
