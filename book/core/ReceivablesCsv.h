// The receivables summary as CSV text (UTF-8): the header line, one line per customer
// (customer, delivered, paid, owed, the four age buckets, two decimals), then the total
// as "合计,…". The notebook command prints it; the program writes it behind a
// byte-order mark, as it does a statement (StatementCsv.h).
#pragma once

#include <array>
#include <string>

#include "book/core/Receivables.h"

namespace book {

std::string ReceivablesCsv(const Receivables& receivables);

// The column names, GBK: 客户, 送货合计, 收款合计, 欠款 and the four age buckets.
inline constexpr int kReceivablesColumns = 4 + kAgeBuckets;
inline constexpr const char* kReceivablesColumnNames[kReceivablesColumns] = {"客户",
                                                                             "送货合计",
                                                                             "收款合计",
                                                                             "欠款",
                                                                             kAgeBucketNames[0],
                                                                             kAgeBucketNames[1],
                                                                             kAgeBucketNames[2],
                                                                             kAgeBucketNames[3]};

// A row's texts (GBK) in those columns, as the window shows them and the CSV holds them.
std::array<std::string, kReceivablesColumns> ReceivableTexts(const ReceivableRow& row);

}  // namespace book
