#include "book/core/ReceivablesCsv.h"

#include "book/core/BookText.h"
#include "text/Csv.h"

namespace book {

namespace {

void AppendLine(const std::array<std::string, kReceivablesColumns>& gbk, std::string* csv) {
  for (int c = 0; c < kReceivablesColumns; ++c) {
    if (c) *csv += ',';
    text::AppendCsvField(GbkToUtf8ForOutput(gbk[c]), csv);
  }
  *csv += "\r\n";
}

}  // namespace

std::array<std::string, kReceivablesColumns> ReceivableTexts(const ReceivableRow& row) {
  return {row.customer,           MoneyText(row.delivered), MoneyText(row.paid),    MoneyText(row.owed),
          MoneyText(row.aged[0]), MoneyText(row.aged[1]),   MoneyText(row.aged[2]), MoneyText(row.aged[3])};
}

std::string ReceivablesCsv(const Receivables& receivables) {
  std::array<std::string, kReceivablesColumns> header;
  std::string csv;
  for (int c = 0; c < kReceivablesColumns; ++c) header[c] = kReceivablesColumnNames[c];
  AppendLine(header, &csv);
  for (const ReceivableRow& row : receivables.rows) AppendLine(ReceivableTexts(row), &csv);
  AppendLine(ReceivableTexts(receivables.total), &csv);
  return csv;
}

}  // namespace book
