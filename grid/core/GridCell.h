// The cells of the grid. CGridCellBase carries only the state word and answers
// every other question with the empty default; CGridCell is the cell the grid uses.
//
// Cells are created by their grid, which owns them. A cell record holds the state
// word, the check value and the text; every other setting lives in the grid's sparse
// side tables (CellAttributes), where a cell at its defaults has no entry. Its bitmap
// is owned there (released through the picture service), its font interned in the
// grid's font pool. Setting fields on a cell does not repaint: go through GridModel.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grid/core/CellAttributes.h"
#include "grid/core/CellText.h"
#include "grid/core/GridTypes.h"
#include "grid/core/LogFont.h"

namespace grid {

class GridModel;

class CGridCellBase {
 public:
  CGridCellBase() = default;
  CGridCellBase(CGridCellBase&&) = default;
  CGridCellBase& operator=(CGridCellBase&&) = default;
  virtual ~CGridCellBase() = default;

  virtual void SetState(uint32_t state) { state_ = state; }
  virtual uint32_t GetState() const { return state_; }

  virtual void SetText(std::string_view) {}
  virtual std::string GetText() const { return std::string(); }
  virtual void SetImage(int) {}
  virtual int GetImage() const { return 0; }
  virtual void SetBitmap(Bitmap) {}
  virtual Bitmap GetBitmap() const { return 0; }
  virtual void SetCheck(int) {}
  virtual int GetCheck() const { return 0; }
  virtual void SetDiagonal(int) {}
  virtual int GetDiagonal() const { return 0; }
  virtual void SetSpareFlag(int) {}
  virtual int GetSpareFlag() const { return 0; }
  virtual void SetMergeMaster(int) {}
  virtual int GetMergeMaster() const { return 0; }
  virtual void SetSpareValue(int) {}
  virtual int GetSpareValue() const { return 0; }
  virtual void SetFormat(uint32_t) {}
  virtual uint32_t GetFormat() const { return 0; }
  virtual void SetTextColor(Colour) {}
  virtual Colour GetTextColor() const { return 0; }
  virtual void SetBkColor(Colour) {}
  virtual Colour GetBkColor() const { return 0; }
  virtual void SetFont(const LogFont&) {}
  virtual const LogFont* GetFont() const { return nullptr; }
  virtual void SetMargin(int) {}
  virtual int GetMargin() const { return 0; }
  virtual void SetGrid(GridModel*) {}
  virtual GridModel* GetGrid() const { return nullptr; }
  virtual void SetEditing(int) {}
  virtual int GetEditing() const { return 0; }

  // Copies every setting of `other` except the merge-master flag.
  virtual void CopyFrom(const CGridCellBase& other) { state_ = other.GetState(); }
  virtual void Reset() { state_ = 0; }

 private:
  uint32_t state_ = 0;
};

class CGridCell : public CGridCellBase {
 public:
  // A cell with the defaults. The grid keeps its cells in one array and finds a
  // cell's settings by its place in it; a cell outside that array (or without a grid)
  // holds only its text, state and check value and answers the rest with defaults.
  explicit CGridCell(GridModel* grid = nullptr) : grid_(grid) {}
  CGridCell(CGridCell&& other) noexcept = default;
  CGridCell& operator=(CGridCell&& other) noexcept = default;
  CGridCell(const CGridCell&) = delete;
  CGridCell& operator=(const CGridCell&) = delete;
  ~CGridCell() override = default;

  // The selected bit is not kept in the cell: the grid's selection answers for it.
  void SetState(uint32_t state) override { CGridCellBase::SetState(state & ~state::kSelected); }
  uint32_t GetState() const override;
  void SetText(std::string_view text) override { text_.Assign(text); }
  std::string GetText() const override { return std::string(text_.View()); }
  std::string_view TextView() const { return text_.View(); }
  bool HasText() const { return !text_.Empty(); }
  void SetImage(int image) override;
  int GetImage() const override;
  // Takes ownership; a different previous bitmap is destroyed.
  void SetBitmap(Bitmap bitmap) override;
  Bitmap GetBitmap() const override;
  void SetCheck(int value) override { check_ = value; }
  int GetCheck() const override { return check_; }
  void SetDiagonal(int style) override;
  int GetDiagonal() const override;
  void SetSpareFlag(int flag) override;
  int GetSpareFlag() const override;
  void SetMergeMaster(int master) override;
  int GetMergeMaster() const override;
  void SetSpareValue(int value) override;
  int GetSpareValue() const override;
  void SetFormat(uint32_t format) override;
  uint32_t GetFormat() const override;
  void SetTextColor(Colour colour) override;
  Colour GetTextColor() const override;
  void SetBkColor(Colour colour) override;
  Colour GetBkColor() const override;
  void SetFont(const LogFont& font) override;
  const LogFont* GetFont() const override;
  void SetMargin(int margin) override;
  int GetMargin() const override;
  // The grid is where the cell lives; a cell does not move between grids.
  void SetGrid(GridModel*) override {}
  GridModel* GetGrid() const override { return grid_; }
  void SetEditing(int editing) override;
  int GetEditing() const override;

  // A copy of the other cell's bitmap is made through the picture service, so both
  // cells own one.
  void CopyFrom(const CGridCellBase& other) override;
  // Back to the defaults: no text, no picture, the grid's font, margin 9 and so on.
  void Reset() override;

 private:
  // The grid's side tables and this cell's key in them; null when the cell is not
  // one of the grid's.
  CellAttributes* Attributes(uint64_t* key) const;

  int32_t check_ = 0;  // sits beside the base's state word
  CellText text_;
  GridModel* grid_ = nullptr;
};

}  // namespace grid
