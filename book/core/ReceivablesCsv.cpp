#include "book/core/ReceivablesCsv.h"

#include "book/core/BookText.h"
#include "text/Csv.h"

namespace book {

namespace {

void AppendLine(const std::string (&gbk)[kReceivablesColumns], std::string* csv) {
  for (int c = 0; c < kReceivablesColumns; ++c) {
    if (c) *csv += ',';
    text::AppendCsvField(GbkToUtf8ForOutput(gbk[c]), csv);
  }
  *csv += "\r\n";
}

void AppendRow(const ReceivableRow& row, std::string* csv) {
  const std::string fields[kReceivablesColumns] = {
      row.customer,           MoneyText(row.delivered), MoneyText(row.paid),    MoneyText(row.owed),
      MoneyText(row.aged[0]), MoneyText(row.aged[1]),   MoneyText(row.aged[2]), MoneyText(row.aged[3])};
  AppendLine(fields, csv);
}

}  // namespace

std::string ReceivablesCsv(const Receivables& receivables) {
  std::string header[kReceivablesColumns], csv;
  for (int c = 0; c < kReceivablesColumns; ++c) header[c] = kReceivablesColumnNames[c];
  AppendLine(header, &csv);
  for (const ReceivableRow& row : receivables.rows) AppendRow(row, &csv);
  AppendRow(receivables.total, &csv);
  return csv;
}

}  // namespace book
