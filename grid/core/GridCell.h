// The cells of the grid. CGridCellBase carries only the state word and answers
// every other question with the empty default; CGridCell is the cell the grid uses.
//
// Cells are created by their grid, which owns them; a cell owns its bitmap (released
// through the picture service) and points at its font in the grid's font pool.
// Setting fields on a cell does not repaint: go through GridModel for that.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
  virtual const std::string& GetText() const;
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
  // A cell with the defaults, taking its font from the grid (or the built-in font).
  explicit CGridCell(GridModel* grid = nullptr);
  CGridCell(CGridCell&& other) noexcept;
  CGridCell& operator=(CGridCell&& other) noexcept;
  CGridCell(const CGridCell&) = delete;
  CGridCell& operator=(const CGridCell&) = delete;
  ~CGridCell() override;

  void SetText(std::string_view text) override { text_.assign(text.data(), text.size()); }
  const std::string& GetText() const override { return text_; }
  void SetImage(int image) override { image_ = image; }
  int GetImage() const override { return image_; }
  // Takes ownership; a different previous bitmap is destroyed.
  void SetBitmap(Bitmap bitmap) override;
  Bitmap GetBitmap() const override { return bitmap_; }
  void SetCheck(int value) override { check_ = value; }
  int GetCheck() const override { return check_; }
  void SetDiagonal(int style) override { diagonal_ = style; }
  int GetDiagonal() const override { return diagonal_; }
  void SetSpareFlag(int flag) override { spareFlag_ = flag; }
  int GetSpareFlag() const override { return spareFlag_; }
  void SetMergeMaster(int master) override { mergeMaster_ = master; }
  int GetMergeMaster() const override { return mergeMaster_; }
  void SetSpareValue(int value) override { spareValue_ = value; }
  int GetSpareValue() const override { return spareValue_; }
  void SetFormat(uint32_t format) override { format_ = format; }
  uint32_t GetFormat() const override { return format_; }
  void SetTextColor(Colour colour) override { textColor_ = colour; }
  Colour GetTextColor() const override { return textColor_; }
  void SetBkColor(Colour colour) override { bkColor_ = colour; }
  Colour GetBkColor() const override { return bkColor_; }
  void SetFont(const LogFont& font) override;
  const LogFont* GetFont() const override { return font_; }
  void SetMargin(int margin) override { margin_ = margin; }
  int GetMargin() const override { return margin_; }
  void SetGrid(GridModel* grid) override { grid_ = grid; }
  GridModel* GetGrid() const override { return grid_; }
  void SetEditing(int editing) override { editing_ = editing; }
  int GetEditing() const override { return editing_; }

  // A copy of the other cell's bitmap is made through the picture service, so both
  // cells own one.
  void CopyFrom(const CGridCellBase& other) override;
  // Back to the defaults: no text, no picture, the grid's font, margin 9 and so on.
  void Reset() override;

 private:
  void ReleaseBitmap();

  std::string text_;
  uint32_t format_ = kDefaultCellFormat;
  Bitmap bitmap_ = 0;
  const LogFont* font_ = nullptr;
  GridModel* grid_ = nullptr;
  int32_t image_ = -1;
  int32_t check_ = 0;
  int32_t spareFlag_ = 0;
  int32_t mergeMaster_ = 0;
  int32_t diagonal_ = 0;
  Colour bkColor_ = kNoColor;
  Colour textColor_ = kNoColor;
  int32_t spareValue_ = 0;
  int32_t margin_ = kDefaultCellMargin;
  int32_t editing_ = 0;
};

}  // namespace grid
