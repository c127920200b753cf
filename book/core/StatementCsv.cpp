#include "book/core/StatementCsv.h"

#include <initializer_list>

#include "book/core/BookText.h"
#include "text/Csv.h"

namespace book {

namespace {

// UTF-8 texts in a GBK program: spelled as u8 literals.
const char kHeader[] = u8"日期,单号,规格,数量,单位,单价,金额,备注\r\n";
const char* const kClosingNames[4] = {u8"期初欠款", u8"本期送货", u8"本期收款", u8"期末欠款"};

void AppendRecord(std::initializer_list<std::string> utf8, std::string* csv) {
  bool first = true;
  for (const std::string& field : utf8) {
    if (!first) *csv += ',';
    text::AppendCsvField(field, csv);
    first = false;
  }
  *csv += "\r\n";
}

std::string Out(const std::string& gbk) { return GbkToUtf8ForOutput(gbk); }

}  // namespace

std::string StatementCsv(const Statement& s) {
  std::string csv = kHeader;
  for (const StatementLine& l : s.lines)
    AppendRecord({Out(l.date), Out(l.number), Out(l.dimensions), Out(l.quantity), Out(l.unit), Out(l.price),
                  Out(l.amount), Out(l.remarks)},
                 &csv);
  const Money closing[4] = {s.opening, s.delivered, s.paid, s.closing};
  for (int i = 0; i < 4; ++i) AppendRecord({kClosingNames[i], MoneyText(closing[i])}, &csv);
  return csv;
}

}  // namespace book
