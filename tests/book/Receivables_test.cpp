// The receivables summary: ageing at the buckets' edges, payments settling the oldest
// deliveries, overpaid customers and payments after the day; and voided notes on a real
// book file, counted nowhere until they are put back.
#include "book/core/Receivables.h"

#include <gtest/gtest.h>

#include "book/core/NoteBook.h"
#include "tests/book/BookTestSupport.h"

namespace book {
namespace {

using test::Item;
using test::Note;
using test::TempBook;

Money Yuan(int64_t yuan) { return yuan * kMoneyScale; }

// delivered paid owed | four buckets, in yuan with two decimals.
std::string Figures(const ReceivableRow& r) {
  std::string text = MoneyText(r.delivered) + " " + MoneyText(r.paid) + " " + MoneyText(r.owed) + " |";
  for (Money m : r.aged) text += " " + MoneyText(m);
  return text;
}

Receivables Summarise(const std::vector<CustomerLedger>& ledgers, const char* asOf = "2026-12-31") {
  Receivables r;
  std::string why;
  EXPECT_TRUE(SummariseReceivables(ledgers, asOf, &r, &why)) << why;
  return r;
}

TEST(Receivables, NotesAgeByTheDaysBeforeTheDay) {
  // 0, 30, 31, 60, 61, 90 and 91 days before 2026-12-31; one after it does not count yet.
  CustomerLedger c{"甲",
                   {{"2026-12-31", Yuan(64)},
                    {"2026-12-01", Yuan(1)},
                    {"2026-11-30", Yuan(2)},
                    {"2026-11-01", Yuan(4)},
                    {"2026-10-31", Yuan(8)},
                    {"2026-10-02", Yuan(16)},
                    {"2026-10-01", Yuan(32)},
                    {"2027-01-01", Yuan(1000)}},
                   {}};
  Receivables r = Summarise({c});
  ASSERT_EQ(r.rows.size(), 1u);
  EXPECT_EQ(Figures(r.rows[0]), "127.00 0.00 127.00 | 65.00 6.00 24.00 32.00");
  // Across a leap day and a year's end.
  r = Summarise({{"乙", {{"2024-01-30", Yuan(1)}, {"2024-01-29", Yuan(2)}}, {}}}, "2024-02-29");
  EXPECT_EQ(Figures(r.rows[0]), "3.00 0.00 3.00 | 1.00 2.00 0.00 0.00");
  r = Summarise({{"乙", {{"2025-12-16", Yuan(1)}, {"2025-12-15", Yuan(2)}}, {}}}, "2026-01-15");
  EXPECT_EQ(Figures(r.rows[0]), "3.00 0.00 3.00 | 1.00 2.00 0.00 0.00");
}

TEST(Receivables, PaymentsSettleTheOldestFirstAndOnlyUpToTheDay) {
  // 120 pays the 100 of October and 20 of November's 50; a payment after the day waits.
  CustomerLedger paying{"甲",
                        {{"2026-12-21", Yuan(30)}, {"2026-09-01", Yuan(100)}, {"2026-10-31", Yuan(50)}},
                        {{"2026-12-26", Yuan(120)}, {"2027-01-01", Yuan(500)}}};
  // Goods taken back settle like a payment: 40 of September's 100 stays.
  CustomerLedger returning{"乙", {{"2026-09-01", Yuan(100)}, {"2026-12-30", Yuan(-60)}}, {}};
  // Paid more than delivered: owes a negative sum, nothing ages.
  CustomerLedger overpaid{
      "丙", {{"2026-12-01", Yuan(100)}}, {{"2026-12-02", Money(150 * kMoneyScale + kFen)}}};
  // Only a payment after the day: not a customer of this summary.
  CustomerLedger later{"丁", {}, {{"2027-01-02", Yuan(10)}}};
  Receivables r = Summarise({overpaid, later, returning, paying});
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[0].customer, "甲");  // largest debt first
  EXPECT_EQ(Figures(r.rows[0]), "180.00 120.00 60.00 | 30.00 0.00 30.00 0.00");
  EXPECT_EQ(r.rows[1].customer, "乙");
  EXPECT_EQ(Figures(r.rows[1]), "40.00 0.00 40.00 | 0.00 0.00 0.00 40.00");
  EXPECT_EQ(r.rows[2].customer, "丙");
  EXPECT_EQ(Figures(r.rows[2]), "100.00 150.01 -50.01 | 0.00 0.00 0.00 0.00");
  EXPECT_EQ(r.total.customer, "合计");
  EXPECT_EQ(Figures(r.total), "320.00 270.01 49.99 | 30.00 0.00 30.00 40.00");

  std::string why;
  EXPECT_FALSE(SummariseReceivables({paying}, "2026-02-30", &r, &why));
  EXPECT_EQ(why, "日期有误：2026-02-30");
  EXPECT_FALSE(SummariseReceivables({{"戊", {{"2026-01-01", INT64_MAX}, {"2026-01-02", 1}}, {}}},
                                    "2026-12-31", &r, &why));
  EXPECT_EQ(why, "金额超出范围，无法汇总欠款");
}

Money Closing(NoteBook& book, const char* customer, const char* to) {
  Statement s;
  std::string why;
  EXPECT_TRUE(book.MakeStatement(customer, "2026-01-01", to, &s, &why)) << why;
  return s.closing;
}

// The customer's row of the book's summary on that day ("" when not listed).
std::string Row(NoteBook& book, const char* customer, const char* asOf = "2026-11-30") {
  Receivables r;
  std::string why;
  EXPECT_TRUE(book.MakeReceivables(asOf, &r, &why)) << why;
  for (const ReceivableRow& row : r.rows)
    if (row.customer == customer) return Figures(row);
  return "";
}

TEST(VoidedNotes, CountNowhereUntilPutBackAndStayVoidedWhenRecordedAgain) {
  TempBook file("voided");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("N1", "张三", "2026-11-02", "1", {Item(1, "A", "片", "5", "100")}));
  NoteRecord mistaken = Note("N2", "张三", "2026-11-20", "2", {Item(1, "A", "块", "6", "30")});
  test::Record(*book, mistaken);
  test::Record(*book, Note("N3", "李四", "2026-11-21", "3", {Item(1, "A", "片", "1", "8")}));
  Payment p{0, "张三", "2026-11-25", "", Yuan(10)};
  std::string why;
  ASSERT_TRUE(book->RecordPayment(&p, &why)) << why;
  EXPECT_EQ(Row(*book, "张三"), "130.00 10.00 120.00 | 120.00 0.00 0.00 0.00");
  EXPECT_EQ(Closing(*book, "张三", "2026-11-30"), Yuan(120));

  ASSERT_TRUE(book->SetVoided("N2", true, &why)) << why;
  ASSERT_TRUE(book->SetVoided("N3", true, &why)) << why;
  // Recorded again, as a save of its file does: still voided.
  test::Record(*book, mistaken);
  EXPECT_TRUE(book->IsVoided("N2").value);
  EXPECT_EQ(Row(*book, "张三"), "100.00 10.00 90.00 | 90.00 0.00 0.00 0.00");
  EXPECT_EQ(Row(*book, "李四"), "");  // nothing but a voided note
  EXPECT_EQ(Closing(*book, "张三", "2026-11-30"), Yuan(90));
  EXPECT_EQ(book->LastItemFor("张三", "A").value->unit, "片");  // not the voided note's 块
  std::vector<NoteSummary> listed = book->List({"张三", "", ""}).value;
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].number, "N2");
  EXPECT_TRUE(listed[0].voided);
  EXPECT_FALSE(listed[1].voided);

  ASSERT_TRUE(book->SetVoided("N2", false, &why)) << why;
  EXPECT_EQ(Row(*book, "张三"), "130.00 10.00 120.00 | 120.00 0.00 0.00 0.00");
  EXPECT_EQ(Closing(*book, "张三", "2026-11-30"), Yuan(120));
  EXPECT_EQ(book->LastItemFor("张三", "A").value->unit, "块");
  // The summary on an earlier day leaves out what came after it.
  EXPECT_EQ(Row(*book, "张三", "2026-11-19"), "100.00 0.00 100.00 | 100.00 0.00 0.00 0.00");

  EXPECT_FALSE(book->SetVoided("N9", true, &why));
  EXPECT_EQ(why, "账本中没有单号为 N9 的单据");
  EXPECT_FALSE(book->SetVoided("", true, &why));
  Answer<bool> none = book->IsVoided("N9");
  EXPECT_TRUE(none.ok && !none.value) << none.why;
  Receivables r;
  EXPECT_FALSE(book->MakeReceivables("2026-13-01", &r, &why));
  EXPECT_EQ(why, "日期有误：2026-13-01");
}

}  // namespace
}  // namespace book
