// Payments and statements on real book files: balances across the period's edges, exact
// sums to the fen, payments of a customer without notes.
#include <gtest/gtest.h>

#include "book/core/CellAmount.h"
#include "book/core/Money.h"
#include "book/core/NoteBook.h"
#include "runtime/core/ValueConversions.h"
#include "tests/book/BookTestSupport.h"

namespace book {
namespace {

using test::Item;
using test::Note;
using test::TempBook;

Money Yuan(const char* text) {
  Money m = 0;
  EXPECT_TRUE(ParseMoney(text, &m)) << text;
  return m;
}

void Pay(NoteBook& book, const char* customer, const char* date, const char* amount,
         const char* remark = "") {
  Payment p{0, customer, date, remark, Yuan(amount)};
  std::string why;
  ASSERT_TRUE(book.RecordPayment(&p, &why)) << why;
  EXPECT_GT(p.id, 0);
}

Statement Make(NoteBook& book, const char* customer, const char* from, const char* to) {
  Statement s;
  std::string why;
  EXPECT_TRUE(book.MakeStatement(customer, from, to, &s, &why)) << why;
  return s;
}

std::string Closing(const Statement& s) {
  return MoneyText(s.opening) + " " + MoneyText(s.delivered) + " " + MoneyText(s.paid) + " " +
         MoneyText(s.closing);
}

TEST(Money, ReadsCellTextsExactlyAndRoundsOnceToTheFen) {
  EXPECT_EQ(Yuan(" -1227.5 "), -1227 * kMoneyScale - kMoneyScale / 2);
  EXPECT_EQ(Yuan("1.5e-05"), 15000);
  EXPECT_EQ(Yuan("0.0000000005"), 1);  // past the ninth decimal: half away from zero
  EXPECT_EQ(Yuan("1e9"), 1000000000 * kMoneyScale);
  EXPECT_EQ(MoneyText(Yuan("0.1") + Yuan("0.2")), "0.30");
  EXPECT_EQ(MoneyText(Yuan("2.005")), "2.01");
  EXPECT_EQ(MoneyText(Yuan("-0.004")), "0.00");
  EXPECT_EQ(MoneyText(Yuan("-3.335")), "-3.34");
  Money m;
  for (const char* bad : {"", "溢出", "1.2.3", "-", "1e", "e5", "1e20", "12a", "99999999999"})
    EXPECT_FALSE(ParseMoney(bad, &m)) << bad;
  EXPECT_FALSE(AddMoney(INT64_MAX, 1, &m));
}

TEST(Statement, BalancesAcrossThePeriodsEdges) {
  TempBook file("statement");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("N1", "张三", "2024-02-29", "1", {Item(1, "A", "片", "1", "100")}));
  test::Record(*book, Note("N3", "张三", "2024-03-01", "3",
                           {Item(2, "B", "片", "2", "0.2"), Item(1, "C", "块", "1", "0.1")}));
  NoteRecord overflowed = Note("N2", "张三", "2024-03-01", "2");
  overflowed.items.push_back(Item(1, "D", "片", "1", "溢出"));  // counts as nothing
  test::Record(*book, overflowed);
  test::Record(*book, Note("N4", "张三", "2024-03-31", "4", {Item(1, "E", "片", "1", "50")}));
  test::Record(*book, Note("N5", "张三", "2024-04-01", "5", {Item(1, "F", "片", "1", "999")}));
  test::Record(*book, Note("N6", "张三", "", "6", {Item(1, "G", "片", "1", "999")}));  // undated
  test::Record(*book, Note("N7", "李四", "2024-03-15", "7", {Item(1, "H", "片", "1", "999")}));
  Pay(*book, "张三", "2024-02-29", "30");
  Pay(*book, "张三", "2024-03-01", "10.5", "现金");  // the same day as two notes
  Pay(*book, "张三", "2024-04-01", "999");

  Statement march = Make(*book, "张三", "2024-03-01", "2024-03-31");
  EXPECT_EQ(Closing(march), "70.00 50.30 10.50 109.80");
  std::vector<std::string> order;
  for (const StatementLine& l : march.lines) order.push_back(l.number + ":" + l.dimensions + ":" + l.amount);
  EXPECT_EQ(order,
            (std::vector<std::string>{"N2:D:溢出", "N3:C:0.1", "N3:B:0.2", "收款:现金:10.50", "N4:E:50"}));
  EXPECT_TRUE(march.lines[3].payment);
  EXPECT_EQ(march.lines[3].date, "2024-03-01");

  EXPECT_EQ(Closing(Make(*book, "张三", "2024-03-01", "2024-03-01")), "70.00 0.30 10.50 59.80");
  EXPECT_EQ(Closing(Make(*book, "张三", "2024-01-01", "2024-12-31")), "0.00 1149.30 1039.50 109.80");
  EXPECT_EQ(Closing(Make(*book, "王五", "2024-01-01", "2024-12-31")), "0.00 0.00 0.00 0.00");

  Statement s;
  std::string why;
  EXPECT_FALSE(book->MakeStatement("张三", "2024-04-01", "2024-03-01", &s, &why));
  EXPECT_FALSE(book->MakeStatement("张三", "2024-02-30", "2024-03-01", &s, &why));
  EXPECT_EQ(why, "日期有误：2024-02-30");
}

// Each amount cell counts what the note's own total reads from it, exactly.
TEST(Statement, AmountsCountAsTheNotesOwnTotalReadsThem) {
  const char* const texts[] = {"12元", "１２", " 7.5", "abc", "1e3", "-3", "", "0.1", "0.2"};
  Money sum = 0;
  for (const char* text : texts) {
    Money value = 0;
    ASSERT_TRUE(ReadAmount(text, &value)) << text;
    EXPECT_EQ(double(value) / double(kMoneyScale), rt::TextToNumber(text)) << text;
    sum += value;
  }
  EXPECT_EQ(sum, Yuan("1028.8"));
  Money value = 0;
  EXPECT_FALSE(ReadAmount("1e20", &value));  // beyond Money: refused, never wrapped
  EXPECT_TRUE(ReadAmount("1e-500", &value) && value == 0);
  EXPECT_TRUE(ReadAmount(std::string(60, '0') + "5", &value) && value == 5 * kMoneyScale);

  TempBook file("amounts");
  auto book = file.Open();
  ASSERT_TRUE(book);
  std::vector<NoteItem> items;
  for (int i = 0; i < 9; ++i) items.push_back(Item(i + 1, "S" + std::to_string(i), "片", "", texts[i]));
  test::Record(*book, Note("N1", "张三", "2024-03-01", "1", items));
  EXPECT_EQ(book->List({}).value.at(0).total, sum);
  Statement s = Make(*book, "张三", "2024-03-01", "2024-03-31");
  EXPECT_EQ(s.delivered, sum);
  EXPECT_EQ(Make(*book, "张三", "2024-04-01", "2024-04-30").opening, sum);
  EXPECT_EQ(MoneyDecimal(sum), "1028.8");
  EXPECT_EQ(MoneyDecimal(-Yuan("0.000000001")), "-0.000000001");
  EXPECT_EQ(MoneyDecimal(0), "0");
}

TEST(Statement, PaymentsAreCheckedListedAndDeleted) {
  TempBook file("payments");
  auto book = file.Open();
  ASSERT_TRUE(book);
  Pay(*book, "赵六", "2024-05-02", "20", "转账");
  Pay(*book, "赵六", "2024-05-01", "0.1");
  Pay(*book, "赵六", "2024-05-01", "0.2");
  EXPECT_EQ(book->Customers().value, std::vector<std::string>{"赵六"});  // offered while typing
  std::vector<Payment> paid = book->Payments("赵六").value;
  ASSERT_EQ(paid.size(), 3u);
  EXPECT_EQ(paid[0].amount, Yuan("0.1"));
  EXPECT_EQ(paid[2].remark, "转账");
  // Payments but no notes: the customer is owed money back.
  EXPECT_EQ(Closing(Make(*book, "赵六", "2024-05-02", "2024-05-31")), "-0.30 0.00 20.00 -20.30");

  std::string why;
  ASSERT_TRUE(book->DeletePayment(paid[2].id, &why)) << why;
  EXPECT_EQ(book->Payments("赵六").value.size(), 2u);
  struct Refused {
    Payment p;
    const char* why;
  };
  for (Refused r : {Refused{{0, "", "2024-05-01", "", kFen}, "请填写客户名称"},
                    Refused{{0, "赵六", "2024-5-1", "", kFen}, "日期有误：2024-5-1"},
                    Refused{{0, "赵六", "2024-05-01", "", 0}, "收款金额必须大于零"},
                    Refused{{0, "赵六", "2024-05-01", "", kFen + 1}, "收款金额最多两位小数"}}) {
    EXPECT_FALSE(book->RecordPayment(&r.p, &why));
    EXPECT_EQ(why, r.why);
  }
  EXPECT_EQ(book->Payments("赵六").value.size(), 2u);
}

}  // namespace
}  // namespace book
