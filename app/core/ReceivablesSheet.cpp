#include "app/core/ReceivablesSheet.h"

namespace app {

using Row = std::array<std::string, kReceivablesColumns>;

ReceivablesSheet BuildReceivablesSheet(const book::Receivables& receivables) {
  ReceivablesSheet sheet;
  sheet.rows.reserve(kReceivablesHeadRows + receivables.rows.size() + 1);
  sheet.rows.push_back(Row{"截止日期：" + receivables.asOf});
  Row names;
  for (int c = 0; c < kReceivablesColumns; ++c) names[c] = book::kReceivablesColumnNames[c];
  sheet.rows.push_back(std::move(names));
  for (const book::ReceivableRow& r : receivables.rows) sheet.rows.push_back(book::ReceivableTexts(r));
  sheet.rows.push_back(book::ReceivableTexts(receivables.total));
  return sheet;
}

}  // namespace app
