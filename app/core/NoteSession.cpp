#include "app/core/NoteSession.h"

#include <algorithm>

#include "app/core/NoteCalls.h"
#include "app/core/NoteRows.h"
#include "app/core/ProgramTemplates.h"
#include "book/core/CustomerName.h"

namespace app {

namespace {

struct Session {
  bool known = false;  // a clean state was taken
  std::vector<std::string> saved;
  std::vector<std::string> dimensions;
  std::string number;
};

Session& State() {
  static Session s;
  return s;
}

int GridCount(int32_t property) { return int32_t(ReadMainUnitWords(kGridUnitId, property)); }

std::vector<std::string> ReadDimensions() {
  std::vector<std::string> dimensions;
  int lastRow = std::min(kLastItemRow, GridCount(prop::kGridRowCount) - 1);
  if (GridCount(prop::kGridColCount) <= 1) return dimensions;
  for (int r = kFirstItemRow; r <= lastRow; ++r) dimensions.push_back(NoteCellText(r, 1));
  return dimensions;
}

}  // namespace

std::vector<std::string> ReadNoteTexts() {
  int rows = GridCount(prop::kGridRowCount), cols = GridCount(prop::kGridColCount);
  std::vector<std::string> texts;
  texts.push_back(std::to_string(rows) + "x" + std::to_string(cols));  // a new shape is an edit too
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) texts.push_back(NoteCellText(r, c));
  return texts;
}

void MarkNoteClean(const std::string& issuedNumber) {
  State().number = issuedNumber;
  MarkNoteSaved();
  State().dimensions = ReadDimensions();
}

void MarkNoteSaved() {
  State().known = true;
  State().saved = ReadNoteTexts();
}

bool NoteHasUnsavedEdits() { return !State().known || ReadNoteTexts() != State().saved; }

const std::string& IssuedNoteNumber() { return State().number; }

void KeepIssuedNumber(const std::string& number) { State().number = number; }

std::vector<int> RowsWithNewDimensions() {
  std::vector<std::string> now = ReadDimensions();
  std::vector<std::string>& before = State().dimensions;
  std::vector<int> rows;
  for (size_t i = 0; i < now.size(); ++i) {
    bool changed = i >= before.size() || before[i] != now[i];
    if (changed && !now[i].empty()) rows.push_back(kFirstItemRow + int(i));
  }
  before = std::move(now);
  return rows;
}

std::string NoteCustomer() {
  static const std::string kLabel = "客户名称：";
  std::string title = NoteCellText(kTitleRow1, 0);
  size_t at = title.find(kLabel);
  if (at == std::string::npos) return std::string();
  return book::CustomerName(std::string_view(title).substr(at + kLabel.size()));
}

}  // namespace app
