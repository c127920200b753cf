// Reading a note from the cells of its grid, as the note layout places them: title
// row 0 "销售单号：<number> … 客户名称：<customer>", title row 1 "经手人：<handler> …
// 日期：<date>", item rows 3..22 with the dimensions (规格) to the remarks in columns 1..6.
#include <string_view>

#include "book/core/BookDate.h"
#include "book/core/CellAmount.h"
#include "book/core/CustomerName.h"
#include "book/core/GbkScan.h"
#include "book/core/NoteBook.h"

namespace book {

namespace {

constexpr int kNoteRows = 23, kNoteCols = 7;  // the total row 23 is not read
constexpr int kFirstItemRow = 3, kLastItemRow = 22;

const char kNumberLabel[] = "销售单号：";
const char kCustomerLabel[] = "客户名称：";
const char kHandlerLabel[] = "经手人：";
const char kDateLabel[] = "日期：";

// The text after `label` up to `stop` (or the end), trimmed; "" without the label.
std::string Field(std::string_view line, std::string_view label, std::string_view stop) {
  size_t at = FindGbk(line, label);
  if (at == std::string_view::npos) return {};
  size_t begin = at + label.size();
  size_t end = stop.empty() ? std::string_view::npos : FindGbk(line, stop, begin);
  return TrimGbk(line.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
}

// Reads a run of ASCII digits (at most 4); false when there is none.
bool Digits(std::string_view text, size_t* i, int* value) {
  size_t start = *i;
  *value = 0;
  while (*i < text.size() && *i - start < 4 && text[*i] >= '0' && text[*i] <= '9')
    *value = *value * 10 + (text[(*i)++] - '0');
  return *i > start;
}

// Skips one separator of a date: 年/月 (after year and month), '-', '/' or '.'.
bool Separator(std::string_view text, size_t* i, std::string_view word) {
  if (text.compare(*i, word.size(), word) == 0) {
    *i += word.size();
    return true;
  }
  if (*i < text.size() && (text[*i] == '-' || text[*i] == '/' || text[*i] == '.')) {
    ++*i;
    return true;
  }
  return false;
}

// "2024年1月5日" as the program writes it, or "2024-01-05", "2024/1/5", "2024.1.5";
// what follows the day is ignored. "" when the text starts with no real day.
std::string TitleDate(std::string_view text) {
  size_t i = 0;
  int year, month, day;
  if (!Digits(text, &i, &year) || !Separator(text, &i, "年") || !Digits(text, &i, &month) ||
      !Separator(text, &i, "月") || !Digits(text, &i, &day))
    return {};
  return IsoDate(year, month, day);
}

bool HasText(const std::string& text) { return !TrimGbk(text).empty(); }

}  // namespace

bool ReadNote(const CellTextFn& cell, int rowCount, int colCount, NoteRecord* note, std::string* why) {
  if (rowCount < kNoteRows || colCount < kNoteCols) {
    if (why) *why = "表格不是送货单：行数或列数不够（至少23行7列）";
    return false;
  }
  std::string title1 = cell(0, 0);
  if (FindGbk(title1, kNumberLabel) == std::string::npos) {
    if (why) *why = "表格不是送货单：第一行标题没有“销售单号：”";
    return false;
  }
  std::string title2 = cell(1, 0);
  note->number = Field(title1, kNumberLabel, kCustomerLabel);
  note->customer = CustomerName(Field(title1, kCustomerLabel, ""));
  note->handler = Field(title2, kHandlerLabel, kDateLabel);
  note->noteDate = TitleDate(Field(title2, kDateLabel, ""));
  note->items.clear();
  note->total = 0;
  for (int r = kFirstItemRow; r <= kLastItemRow; ++r) {
    NoteItem item{
        r - kFirstItemRow + 1, cell(r, 1), cell(r, 2), cell(r, 3), cell(r, 4), cell(r, 5), cell(r, 6)};
    if (!AddAmount(item.amount, &note->total)) {
      if (why) *why = "金额超出范围：第" + std::to_string(item.row) + "行";
      return false;
    }
    if (HasText(item.dimensions) || HasText(item.quantity) || HasText(item.unit) || HasText(item.price) ||
        HasText(item.amount) || HasText(item.remarks))
      note->items.push_back(std::move(item));
  }
  return true;
}

}  // namespace book
