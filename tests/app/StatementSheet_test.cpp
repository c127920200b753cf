// The statement as the window's grid shows and prints it, compared as a text dump:
// head rows, the lines in the book's order, the closing rows once at the end.
#include "app/core/StatementSheet.h"

#include <gtest/gtest.h>

namespace app {
namespace {

// One line per row, cells joined by "|", a merged run written once as "[text]".
std::string Dump(const StatementSheet& sheet) {
  std::string out;
  for (size_t r = 0; r < sheet.rows.size(); ++r) {
    for (int c = 0; c < kStatementColumns; ++c) {
      const StatementSheet::Merge* merge = nullptr;
      for (const StatementSheet::Merge& m : sheet.merges)
        if (m.row == int(r) && m.firstCol == c) merge = &m;
      if (c) out += '|';
      if (!merge) {
        out += sheet.rows[r][c];
        continue;
      }
      for (int inside = c + 1; inside <= merge->lastCol; ++inside)
        EXPECT_EQ(sheet.rows[r][inside], "") << "row " << r << ": text hidden under a merge";
      out += "[" + sheet.rows[r][c] + "]";
      c = merge->lastCol;
    }
    out += '\n';
  }
  return out;
}

book::Statement Period(const char* customer, const char* from, const char* to) {
  book::Statement s;
  s.customer = customer;
  s.from = from;
  s.to = to;
  return s;
}

book::Money Yuan(book::Money whole, book::Money fen = 0) {
  return whole * book::kMoneyScale + fen * book::kFen;
}

TEST(StatementSheet, HeadRowsLinesAndTheClosingRowsLast) {
  book::Statement s = Period("华联建材", "2026-11-01", "2026-11-30");
  s.lines.push_back({"2026-11-03", "NO.001", "60*40", "2", "平方米", "3.5", "7", "加急"});
  book::StatementLine paid{"2026-11-05", "收款", "现金", "", "", "", "5.30", ""};
  paid.payment = true;
  s.lines.push_back(paid);
  s.opening = Yuan(100);
  s.delivered = Yuan(7);
  s.paid = Yuan(5, 30);
  s.closing = Yuan(101, 70);
  EXPECT_EQ(Dump(BuildStatementSheet(s, "壹佰零壹元柒角")),
            "[华联建材 对账单]\n"
            "[期间：2026-11-01 至 2026-11-30]\n"
            "日期|单号|规格|数量|单位|单价|金额|备注\n"
            "2026-11-03|NO.001|60*40|2|平方米|3.5|7|加急\n"
            "2026-11-05|收款|现金||||5.30|\n"
            "[期初欠款]|100.00|\n"
            "[本期送货]|7.00|\n"
            "[本期收款]|5.30|\n"
            "[期末欠款]|101.70|\n"
            "期末欠款|[大写：壹佰零壹元柒角]\n");
}

// Money owed back to the customer stays negative; an empty period still closes.
TEST(StatementSheet, APeriodWithoutLinesStillCloses) {
  book::Statement s = Period("东方", "2026-12-01", "2026-12-31");
  s.opening = s.closing = -Yuan(0, 30);
  StatementSheet sheet = BuildStatementSheet(s, "负叁角");
  ASSERT_EQ(sheet.rows.size(), size_t(kStatementHeadRows + 5));
  EXPECT_EQ(sheet.rows[kStatementHeadRows][0], "期初欠款");
  EXPECT_EQ(sheet.rows[kStatementHeadRows][kStatementAmountColumn], "-0.30");
  EXPECT_EQ(sheet.rows.back()[1], "大写：负叁角");
}

}  // namespace
}  // namespace app
