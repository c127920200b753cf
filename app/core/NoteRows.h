// Where things are in the note grid: its rows and columns, and the two texts that open
// the parts of the total row.
#pragma once

namespace app {

constexpr int kTitleRow1 = 0;  // sales-note number and customer
constexpr int kTitleRow2 = 1;  // handler and date
constexpr int kHeaderRow = 2;
constexpr int kFirstItemRow = 3;
constexpr int kLastItemRow = 22;  // twenty item rows
constexpr int kTotalRow = 23;

constexpr int kQuantityColumn = 2;
constexpr int kUnitColumn = 3;
constexpr int kPriceColumn = 4;
constexpr int kAmountColumn = 5;
constexpr int kLastColumn = 6;
constexpr int kCapitalColumn = 1;  // the total in words, merged over columns 1..4

extern const char* const kCapitalPrefix;  // "大写金额："
extern const char* const kFiguresPrefix;  // "小写金额："

}  // namespace app
