// The book's behaviour, the same on both stores: a file on this PC and a server book.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "tests/book/BookTestSupport.h"
#include "tests/bookstores/StoreTestSupport.h"

namespace book {
namespace {

using test::Item;
using test::Note;
using test::StoreKind;
using test::TestPlace;

class Stores : public ::testing::TestWithParam<StoreKind> {
 protected:
  TestPlace Place(const std::string& name) { return TestPlace(GetParam(), name); }
};

std::vector<std::string> Numbers(const std::vector<NoteSummary>& notes) {
  std::vector<std::string> numbers;
  for (const NoteSummary& n : notes) numbers.push_back(n.number);
  return numbers;
}

Money Yuan(const char* text) {
  Money m = 0;
  EXPECT_TRUE(ParseMoney(text, &m)) << text;
  return m;
}

TEST_P(Stores, RecordsListsAndReplaces) {
  TestPlace place = Place("record");
  auto book = place.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("A1", "张三", "2024-01-05", "a1.qgd", {Item(1, "120×60", "平方米", "3.5", "7")}));
  test::Record(*book, Note("A2", "李四", "2024-03-01", "a2.qgd", {Item(2, "80×80", "片", "2", "4.5")}));
  test::Record(*book, Note("A3", "张三", "2024-02-10", "a3.qgd"));
  test::Record(*book, Note("A4", "张三", "", "a4.qgd"));
  test::Record(*book, Note("A5", "", "2024-02-10", "a5.qgd"));
  std::vector<NoteSummary> all = book->List({}).value;
  EXPECT_EQ(Numbers(all), (std::vector<std::string>{"A2", "A5", "A3", "A1", "A4"}));
  EXPECT_EQ(all[0].customer, "李四");
  EXPECT_EQ(all[0].total, 4 * kMoneyScale + kMoneyScale / 2);
  EXPECT_EQ(Numbers(book->List({"张三", "2024-01-06", ""}).value), (std::vector<std::string>{"A3"}));
  EXPECT_EQ(Numbers(book->List({"", "", "2024-01-31"}).value), (std::vector<std::string>{"A1"}));

  // Saved again: by number wherever the file went; without a number by its path, and a
  // number typed later takes that record over.
  test::Record(*book, Note("A1", "王五", "2024-01-06", "moved.qgd", {Item(3, "S", "块", "5", "10")}));
  test::Record(*book, Note("", "王五", "2024-02-01", "draft.qgd"));
  test::Record(*book, Note("", "王五", "2024-02-02", "draft.qgd"));
  EXPECT_EQ(Numbers(book->List({"王五", "", ""}).value), (std::vector<std::string>{"", "A1"}));
  test::Record(*book, Note("N2", "王五", "2024-02-02", "draft.qgd"));
  EXPECT_EQ(Numbers(book->List({"王五", "", ""}).value), (std::vector<std::string>{"N2", "A1"}));
  EXPECT_EQ(book->List({}).value.size(), 6u);
  EXPECT_EQ(book->NoteCount().value, 6);
  // One file holds one note: saved under another number, it replaces its old record.
  test::Record(*book, Note("N3", "王五", "2024-02-03", "draft.qgd"));
  EXPECT_EQ(Numbers(book->List({"王五", "", ""}).value), (std::vector<std::string>{"N3", "A1"}));
  EXPECT_EQ(book->List({"张三", "", ""}).value.size(), 2u);
}

TEST_P(Stores, TextsComeBackByteForByte) {
  TestPlace place = Place("texts");
  auto book = place.Open();
  ASSERT_TRUE(book);
  NoteRecord note =
      Note("", "\xAA\xA2", "2024-01-05", "D:\\单据\\一.qgd", {Item(1, "  规格\xA1\xA1", "平方米", "3", "3")});
  note.items[0].remarks = "\xAA\xA1 自造字";  // a user-defined code: no standard character
  test::Record(*book, note);
  EXPECT_EQ(book->List({"\xAA\xA2", "", ""}).value.at(0).filePath, "D:\\单据\\一.qgd");
  EXPECT_EQ(book->Customers().value.at(0), "\xAA\xA2");
  EXPECT_EQ(book->LastItemFor("\xAA\xA2", "  规格\xA1\xA1").value->unit, "平方米");
  Statement s;
  std::string why;
  ASSERT_TRUE(book->MakeStatement("\xAA\xA2", "2024-01-01", "2024-12-31", &s, &why)) << why;
  EXPECT_EQ(s.lines.at(0).remarks, "\xAA\xA1 自造字");
}

TEST_P(Stores, NumbersCountPerDayAndPassOverNumbersInUse) {
  TestPlace place = Place("numbers");
  auto book = place.Open();
  ASSERT_TRUE(book);
  std::string number, why;
  ASSERT_TRUE(book->NextNumber("2026-12-09", &number, &why)) << why;
  EXPECT_EQ(number, "NO.20261209001");
  test::Record(*book, Note("NO.20261209002", "甲", "2026-12-09", "typed.qgd"));
  ASSERT_TRUE(book->NextNumber("2026-12-09", &number, &why));
  EXPECT_EQ(number, "NO.20261209003");
  ASSERT_TRUE(book->NextNumber("2026-12-10", &number, &why));
  EXPECT_EQ(number, "NO.20261210001");
  ASSERT_TRUE(book->SetNumberFormat(NumberFormat{"送货", false, 5}, &why)) << why;
  EXPECT_EQ(book->GetNumberFormat().value.prefix, "送货");
  ASSERT_TRUE(book->NextNumber("2026-12-10", &number, &why));
  EXPECT_EQ(number, "送货00001");
  EXPECT_FALSE(book->NextNumber("2026-02-30", &number, &why));
  // The format and serials are the book's: another connection continues them.
  auto other = place.Open();
  ASSERT_TRUE(other);
  ASSERT_TRUE(other->NextNumber("2026-12-11", &number, &why));
  EXPECT_EQ(number, "送货00002");
}

TEST_P(Stores, TwoConnectionsNeverTakeTheSameNumber) {
  TestPlace place = Place("threads");
  std::vector<std::string> taken[2];
  std::string failures[2];
  auto take = [&](int who) {
    auto book = place.Open();
    for (int i = 0; book && i < 500; ++i) {
      std::string number, why;
      if (book->NextNumber("2026-12-09", &number, &why))
        taken[who].push_back(number);
      else
        failures[who] += why + "\n";
    }
  };
  std::thread first(take, 0), second(take, 1);
  first.join();
  second.join();
  EXPECT_EQ(failures[0] + failures[1], "");
  std::set<std::string> all(taken[0].begin(), taken[0].end());
  all.insert(taken[1].begin(), taken[1].end());
  EXPECT_EQ(all.size(), 1000u);
  EXPECT_TRUE(all.count("NO.20261209001") && all.count("NO.202612091000"));
}

TEST_P(Stores, RemembersCustomersAndTheirLastPrices) {
  TestPlace place = Place("prices");
  auto book = place.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("1", "甲", "2024-01-01", "1",
                           {Item(1, "S", "片", "10", "10"), Item(2, "T", "块", "1", "1")}));
  test::Record(*book, Note("2", "乙", "2024-01-09", "2", {Item(1, "S", "套", "99", "99")}));
  test::Record(*book, Note("3", "甲", "2024-01-05", "3",
                           {Item(4, "S", "片", "12", "12"), Item(1, "S", "片", "11", "11")}));
  test::Record(*book, Note("4", "丙", "2024-01-02", "4"));
  test::Record(*book, Note("5", "甲", "2024-01-07", "5", {Item(1, "S", "", "", "")}));
  test::Record(*book, Note("6", "甲", "2024-01-03", "6", {Item(1, "S", "片", "8", "8")}));
  EXPECT_EQ(book->Customers().value, (std::vector<std::string>{"甲", "丙", "乙"}));
  EXPECT_EQ(book->Customers(2).value.size(), 2u);
  EXPECT_EQ(book->LastItemFor("甲", "S").value->price, "11");
  EXPECT_EQ(book->LastItemFor("甲", "T").value->unit, "块");
  EXPECT_FALSE(book->LastItemFor("丙", "S").value);
  EXPECT_FALSE(book->LastItemFor("丁", "S").value);
}

TEST_P(Stores, PaymentsAreRecordedListedAndDeleted) {
  TestPlace place = Place("payments");
  auto book = place.Open();
  ASSERT_TRUE(book);
  Payment a{0, "张三", "2024-03-02", "转账", Yuan("500")}, b{0, "张三", "2024-03-01", "", Yuan("0.3")};
  std::string why;
  ASSERT_TRUE(book->RecordPayment(&a, &why)) << why;
  ASSERT_TRUE(book->RecordPayment(&b, &why)) << why;
  Payment bad{0, "张三", "2024-03-01", "", Yuan("0.001")};
  EXPECT_FALSE(book->RecordPayment(&bad, &why));
  std::vector<Payment> listed = book->Payments("张三").value;
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].amount, Yuan("0.3"));
  EXPECT_EQ(listed[1].remark, "转账");
  ASSERT_TRUE(book->DeletePayment(listed[0].id, &why)) << why;
  EXPECT_EQ(book->Payments("张三").value.size(), 1u);
  EXPECT_TRUE(book->Payments("李四").value.empty());
}

// The same notes and payments give the same statement and receivables, to the fen, on
// both stores.
TEST(StoresAgree, StatementFiguresToTheFen) {
  std::string results[2];
  for (StoreKind kind : {StoreKind::kFile, StoreKind::kServer}) {
    TestPlace place(kind, "agree");
    auto book = place.Open();
    ASSERT_TRUE(book);
    test::Record(*book, Note("N1", "张三", "2024-02-29", "1", {Item(1, "A", "片", "1", "100.005")}));
    test::Record(*book, Note("N3", "张三", "2024-03-01", "3",
                             {Item(2, "B", "片", "2", "0.2"), Item(1, "C", "块", "1", "0.1")}));
    NoteRecord n2 =
        Note("N2", "张三", "2024-03-31", "2", {Item(1, "D", "片", "1", "1e3"), Item(3, "E", "", "", "")});
    n2.items[1].amount = "约";  // no number: counts as nothing
    test::Record(*book, n2);
    test::Record(*book, Note("N4", "张三", "2024-04-01", "4", {Item(1, "F", "片", "1", "7")}));
    for (auto [date, amount] :
         {std::pair{"2024-02-01", "30.10"}, {"2024-03-01", "0.3"}, {"2024-03-15", "99.99"}}) {
      Payment p{0, "张三", date, "付", Yuan(amount)};
      std::string why;
      ASSERT_TRUE(book->RecordPayment(&p, &why)) << why;
    }
    Statement s;
    std::string why;
    ASSERT_TRUE(book->MakeStatement("张三", "2024-03-01", "2024-03-31", &s, &why)) << why;
    std::string& text = results[kind == StoreKind::kServer];
    text = MoneyText(s.opening) + " " + MoneyText(s.delivered) + " " + MoneyText(s.paid) + " " +
           MoneyText(s.closing);
    for (const StatementLine& line : s.lines) text += "|" + line.date + " " + line.number + " " + line.amount;
    Receivables r;
    ASSERT_TRUE(book->MakeReceivables("2024-03-31", &r, &why)) << why;
    ASSERT_EQ(r.rows.size(), 1u);
    text += "|owed " + MoneyText(r.rows[0].owed);
    for (Money m : r.rows[0].aged) text += " " + MoneyText(m);
  }
  EXPECT_EQ(results[0],
            "69.91 1000.30 100.29 969.92|2024-03-01 N3 0.1|2024-03-01 N3 0.2|2024-03-01 收款 0.30|"
            "2024-03-15 收款 99.99|2024-03-31 N2 1e3|2024-03-31 N2 约|owed 969.92 969.92 0.00 0.00 0.00");
  EXPECT_EQ(results[1], results[0]);
}

// A voided note counts in no statement, receivables, remembered price or list total, is
// still listed and stays voided when saved again; put back, it counts again. The
// receivables' figures are the same on both stores.
TEST_P(Stores, AVoidedNoteCountsNowhereUntilPutBack) {
  TestPlace place = Place("voided");
  auto book = place.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("V1", "张三", "2024-01-05", "v1.qgd", {Item(1, "A", "片", "5", "100")}));
  NoteRecord mistaken = Note("V2", "张三", "2024-03-20", "v2.qgd", {Item(1, "A", "块", "6", "30.5")});
  test::Record(*book, mistaken);
  test::Record(*book, Note("V3", "李四", "2024-03-01", "v3.qgd", {Item(1, "B", "片", "1", "8")}));
  Payment p{0, "张三", "2024-02-01", "", Yuan("10")};
  std::string why;
  ASSERT_TRUE(book->RecordPayment(&p, &why)) << why;
  auto owed = [&](const char* customer) {
    Receivables r;
    EXPECT_TRUE(book->MakeReceivables("2024-03-31", &r, &why)) << why;
    std::string figures;
    for (const ReceivableRow& row : r.rows)
      if (row.customer == customer) {
        figures = MoneyText(row.delivered) + " " + MoneyText(row.paid) + " " + MoneyText(row.owed) + " |";
        for (Money m : row.aged) figures += " " + MoneyText(m);
      }
    return figures;
  };
  auto closing = [&] {
    Statement s;
    EXPECT_TRUE(book->MakeStatement("张三", "2024-03-01", "2024-03-31", &s, &why)) << why;
    return MoneyText(s.closing) + " " + std::to_string(s.lines.size());
  };
  EXPECT_EQ(owed("张三"), "130.50 10.00 120.50 | 30.50 0.00 90.00 0.00");
  EXPECT_EQ(owed("李四"), "8.00 0.00 8.00 | 8.00 0.00 0.00 0.00");
  EXPECT_EQ(closing(), "120.50 1");

  ASSERT_TRUE(book->SetVoided("V2", true, &why)) << why;
  test::Record(*book, mistaken);  // saved again: still voided
  EXPECT_TRUE(book->IsVoided("V2").value);
  EXPECT_EQ(owed("张三"), "100.00 10.00 90.00 | 0.00 0.00 90.00 0.00");
  EXPECT_EQ(closing(), "90.00 0");
  EXPECT_EQ(book->LastItemFor("张三", "A").value->unit, "片");
  std::vector<NoteSummary> listed = book->List({"张三", "", ""}).value;
  ASSERT_EQ(Numbers(listed), (std::vector<std::string>{"V2", "V1"}));
  EXPECT_TRUE(listed[0].voided);
  EXPECT_FALSE(listed[1].voided);

  ASSERT_TRUE(book->SetVoided("V2", false, &why)) << why;
  EXPECT_FALSE(book->IsVoided("V2").value);
  EXPECT_EQ(owed("张三"), "130.50 10.00 120.50 | 30.50 0.00 90.00 0.00");
  EXPECT_EQ(closing(), "120.50 1");
  EXPECT_EQ(book->LastItemFor("张三", "A").value->unit, "块");
  EXPECT_FALSE(book->SetVoided("V9", true, &why));
  EXPECT_EQ(why, "账本中没有单号为 V9 的单据");
}

INSTANTIATE_TEST_SUITE_P(Both, Stores, ::testing::Values(StoreKind::kFile, StoreKind::kServer),
                         test::KindName);

}  // namespace
}  // namespace book
