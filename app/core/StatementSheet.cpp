#include "app/core/StatementSheet.h"

#include <utility>

namespace app {

const char* const kStatementColumnNames[kStatementColumns] = {"日期", "单号", "规格", "数量",
                                                              "单位", "单价", "金额", "备注"};

namespace {

constexpr int kLastColumn = kStatementColumns - 1;
constexpr int kLastLabelColumn = kStatementAmountColumn - 1;  // a closing label spans up to it

using Row = std::array<std::string, kStatementColumns>;

void AddTitle(StatementSheet* sheet, std::string text) {
  sheet->merges.push_back({int(sheet->rows.size()), 0, kLastColumn});
  sheet->rows.push_back(Row{std::move(text)});
}

void AddClosing(StatementSheet* sheet, const char* label, book::Money amount) {
  Row row{label};
  row[kStatementAmountColumn] = book::MoneyText(amount);
  sheet->merges.push_back({int(sheet->rows.size()), 0, kLastLabelColumn});
  sheet->rows.push_back(std::move(row));
}

}  // namespace

StatementSheet BuildStatementSheet(const book::Statement& s, const std::string& capital) {
  StatementSheet sheet;
  sheet.rows.reserve(kStatementHeadRows + s.lines.size() + 5);
  AddTitle(&sheet, s.customer + " 对账单");
  AddTitle(&sheet, "期间：" + s.from + " 至 " + s.to);
  Row names;
  for (int c = 0; c < kStatementColumns; ++c) names[c] = kStatementColumnNames[c];
  sheet.rows.push_back(std::move(names));
  for (const book::StatementLine& l : s.lines)
    sheet.rows.push_back(
        Row{l.date, l.number, l.dimensions, l.quantity, l.unit, l.price, l.amount, l.remarks});
  AddClosing(&sheet, "期初欠款", s.opening);
  AddClosing(&sheet, "本期送货", s.delivered);
  AddClosing(&sheet, "本期收款", s.paid);
  AddClosing(&sheet, "期末欠款", s.closing);
  // 期末欠款 once more, in capital numerals beside its name.
  sheet.merges.push_back({int(sheet.rows.size()), 1, kLastColumn});
  sheet.rows.push_back(Row{"期末欠款", "大写：" + capital});
  return sheet;
}

}  // namespace app
