#include "app/core/ReceivablesSheet.h"

namespace app {

namespace {

using Row = std::array<std::string, kReceivablesColumns>;

Row Figures(const book::ReceivableRow& r) {
  return Row{r.customer,
             book::MoneyText(r.delivered),
             book::MoneyText(r.paid),
             book::MoneyText(r.owed),
             book::MoneyText(r.aged[0]),
             book::MoneyText(r.aged[1]),
             book::MoneyText(r.aged[2]),
             book::MoneyText(r.aged[3])};
}

}  // namespace

ReceivablesSheet BuildReceivablesSheet(const book::Receivables& receivables) {
  ReceivablesSheet sheet;
  sheet.rows.reserve(kReceivablesHeadRows + receivables.rows.size() + 1);
  sheet.rows.push_back(Row{"截止日期：" + receivables.asOf});
  Row names;
  for (int c = 0; c < kReceivablesColumns; ++c) names[c] = book::kReceivablesColumnNames[c];
  sheet.rows.push_back(std::move(names));
  for (const book::ReceivableRow& r : receivables.rows) sheet.rows.push_back(Figures(r));
  sheet.rows.push_back(Figures(receivables.total));
  return sheet;
}

}  // namespace app
