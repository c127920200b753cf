// The cell settings that nearly every cell leaves at its default (colours, font,
// format, diagonal style, margin, picture, flags), kept apart from the cells in
// sparse tables keyed by (row, column), the way the grid file lists them. A cell at
// its default has no entry; setting the default removes the entry.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "grid/core/GridTypes.h"
#include "grid/core/LogFont.h"

namespace grid {

inline uint64_t CellKey(int row, int col) { return (uint64_t(uint32_t(row)) << 32) | uint32_t(col); }
inline int KeyRow(uint64_t key) { return int(uint32_t(key >> 32)); }
inline int KeyCol(uint64_t key) { return int(uint32_t(key)); }

template <typename T>
class CellTable {
 public:
  explicit CellTable(T fallback) : fallback_(fallback) {}

  T Get(uint64_t key) const { return GetOr(key, fallback_); }
  T GetOr(uint64_t key, T fallback) const {
    if (map_.empty()) return fallback;
    auto it = map_.find(key);
    return it == map_.end() ? fallback : it->second;
  }
  bool Has(uint64_t key) const { return !map_.empty() && map_.count(key) != 0; }
  void Set(uint64_t key, T value) { SetOr(key, value, fallback_); }
  // `fallback` is what an absent entry stands for.
  void SetOr(uint64_t key, T value, T fallback) {
    if (value == fallback)
      map_.erase(key);
    else
      map_[key] = value;
  }
  // Entries of cells at or beyond the given counts go; `drop` sees each value.
  template <typename Drop>
  void DropOutside(int rows, int cols, Drop drop) {
    for (auto it = map_.begin(); it != map_.end();) {
      if (KeyRow(it->first) >= rows || KeyCol(it->first) >= cols) {
        drop(it->second);
        it = map_.erase(it);
      } else {
        ++it;
      }
    }
  }
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (const auto& entry : map_) visit(entry.first, entry.second);
  }
  void Clear() { map_.clear(); }
  size_t Size() const { return map_.size(); }

 private:
  T fallback_;
  std::unordered_map<uint64_t, T> map_;
};

struct CellAttributes {
  CellTable<uint32_t> format{kDefaultCellFormat};
  CellTable<Colour> bkColor{kNoColor};
  CellTable<Colour> textColor{kNoColor};
  // Absent: the grid's default cell font (GridModel keeps this true when it changes).
  CellTable<const LogFont*> font{nullptr};
  CellTable<Bitmap> bitmap{0};  // owned: released through the picture service
  CellTable<int32_t> image{-1};
  CellTable<int32_t> diagonal{0};
  CellTable<int32_t> spareFlag{0};
  CellTable<int32_t> mergeMaster{0};
  CellTable<int32_t> spareValue{0};
  CellTable<int32_t> margin{kDefaultCellMargin};
  CellTable<int32_t> editing{0};

  CellAttributes() = default;
  CellAttributes(const CellAttributes&) = delete;
  CellAttributes& operator=(const CellAttributes&) = delete;
  ~CellAttributes() { Clear(); }

  // Replaces the cell's bitmap, destroying a different old one.
  void SetBitmap(uint64_t key, Bitmap bitmap);
  // Every entry of a cell at or beyond the counts goes (its bitmap destroyed).
  void DropOutside(int rows, int cols);
  void Clear();
};

}  // namespace grid
