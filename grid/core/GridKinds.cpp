// Column kinds: lookups, the kind change with its conversions, and the lists.
#include <unordered_map>
#include <utility>

#include "grid/core/GridModel.h"
#include "grid/core/NumberText.h"

namespace grid {

void GridModel::RebuildKindIndex() {
  kindIndex_.assign(size_t(colCount_), -1);
  for (size_t i = 0; i < kinds_.size(); ++i) {
    int col = kinds_[i].column;
    if (col >= 0 && col < colCount_ && kindIndex_[size_t(col)] < 0) kindIndex_[size_t(col)] = int(i);
  }
}

const ColumnKindEntry* GridModel::FindColumnKind(int col) const {
  if (col < 0 || col >= colCount_) return nullptr;
  int index = kindIndex_[size_t(col)];
  return index < 0 ? nullptr : &kinds_[size_t(index)];
}

bool GridModel::IsNumberColumn(int col) const {
  const ColumnKindEntry* entry = FindColumnKind(col);
  return entry && entry->IsNumeric();
}

bool GridModel::IsKindColumn(int col, int kindCode) const {
  const ColumnKindEntry* entry = FindColumnKind(col);
  return entry && entry->kind == kindCode;
}

int GridModel::DecimalPlaces(int col) const {
  const ColumnKindEntry* entry = FindColumnKind(col);
  return entry && entry->IsNumeric() ? entry->decimalPlaces : -1;
}

std::string GridModel::CurrencySymbol(int col) const {
  const ColumnKindEntry* entry = FindColumnKind(col);
  return entry ? entry->currencySymbol : std::string();
}

std::string GridModel::DateFormat(int col) const {
  const ColumnKindEntry* entry = FindColumnKind(col);
  return entry ? entry->dateFormat : std::string();
}

void GridModel::AppendColumnKind(ColumnKindEntry entry) {
  for (auto it = kinds_.begin(); it != kinds_.end();) {
    if (it->column == entry.column)
      it = kinds_.erase(it);
    else
      ++it;
  }
  kinds_.push_back(std::move(entry));
  RebuildKindIndex();
}

void GridModel::ReplaceColumnKinds(std::vector<ColumnKindEntry> entries) {
  // The last entry of a column wins; the survivors keep their order.
  std::unordered_map<int, size_t> last;
  for (size_t i = 0; i < entries.size(); ++i) last[entries[i].column] = i;
  kinds_.clear();
  for (size_t i = 0; i < entries.size(); ++i)
    if (last[entries[i].column] == i) kinds_.push_back(std::move(entries[i]));
  RebuildKindIndex();
}

bool GridModel::SetDecimalPlaces(int col, int places) {
  if (col < 0 || col >= colCount_ || kindIndex_[size_t(col)] < 0) return false;
  ColumnKindEntry& entry = kinds_[size_t(kindIndex_[size_t(col)])];
  if (!entry.IsNumeric()) return false;
  entry.decimalPlaces = places;
  RepaintAll();
  return true;
}

bool GridModel::AddColumnListItem(int col, std::string_view item) {
  if (!IsKindColumn(col, kind::kList)) return false;
  ColumnKindEntry& entry = kinds_[size_t(kindIndex_[size_t(col)])];
  if (!entry.list) entry.list.emplace();
  entry.list->emplace_back(item);
  return true;
}

bool GridModel::SetColumnKind(int col, int kindIndex) {
  if (kindIndex < 1 || kindIndex > 7) return false;
  if (col < 0 || col >= colCount_) return false;
  int newKind = 100 + kindIndex;
  bool wasDate = false, wasNumeric = false;
  int places = 0;

  // Undo the old kind.
  if (int index = kindIndex_[size_t(col)]; index >= 0) {
    const ColumnKindEntry& old = kinds_[size_t(index)];
    wasDate = old.kind == kind::kDate;
    if (old.IsNumeric()) {
      wasNumeric = true;
      places = old.decimalPlaces;
    }
    for (int r = headRows_; r < RowCount(); ++r) {
      if (old.kind == kind::kCheck) cells_[Index(r, col)].SetCheck(0);
      if (old.kind == kind::kPicture) cells_[Index(r, col)].SetBitmap(0);
    }
    kinds_.erase(kinds_.begin() + index);
    RebuildKindIndex();
  }

  ColumnKindEntry entry;
  entry.column = col;
  entry.kind = newKind;
  entry.decimalPlaces = places;
  switch (newKind) {
    case kind::kNumber:
    case kind::kCurrency:
      if (!wasNumeric) {
        for (int r = headRows_; r < RowCount(); ++r) {
          if (wasDate) {
            SetCellText(r, col, std::string_view(), true);
            continue;
          }
          double value = LeadingNumber(cells_[Index(r, col)].TextView());
          if (value != 0)
            SetCellText(r, col, FormatFixed(value, places), true);
          else if (!settings_.showZeroInNumCell)
            SetCellText(r, col, std::string_view(), true);
        }
      }
      if (newKind == kind::kCurrency) entry.currencySymbol = "￥";
      break;
    case kind::kDate: entry.dateFormat = "%Y-%m-%d"; break;
    case kind::kList: entry.list.emplace(sharedListItems_); break;
    case kind::kPicture:
      entry.pictureMode = picturemode::kTopLeft;
      for (int r = headRows_; r < RowCount(); ++r) SetCellText(r, col, std::string_view(), true);
      break;
    default: break;
  }
  kinds_.push_back(std::move(entry));
  RebuildKindIndex();
  RepaintAll();
  return true;
}

}  // namespace grid
