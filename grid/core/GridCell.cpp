#include "grid/core/GridCell.h"

#include <vector>

#include "grid/core/GridModel.h"
#include "grid/core/PictureService.h"

namespace grid {

namespace {

// Cells that are not a grid's show this font.
const LogFont* LooseFont() {
  static FontPool pool;
  static const LogFont* font = pool.Intern(DefaultGridFont());
  return font;
}

// What a cell that is not a grid's answers.
const CellAttributes& Defaults() {
  static const CellAttributes defaults;
  return defaults;
}

}  // namespace

CellAttributes* CGridCell::Attributes(uint64_t* key) const {
  int row = 0, col = 0;
  if (!grid_ || !grid_->Locate(this, &row, &col)) return nullptr;
  *key = CellKey(row, col);
  return &grid_->Attributes();
}

uint32_t CGridCell::GetState() const {
  uint32_t state = CGridCellBase::GetState();
  int row = 0, col = 0;
  if (grid_ && grid_->Locate(this, &row, &col) && grid_->IsSelected(row, col)) state |= state::kSelected;
  return state;
}

// Each side-table field: the setter stores through the grid's table, the getter
// answers the default for a cell that is not a grid's.
#define CELL_SIDE_FIELD(Setter, Getter, Type, table)                    \
  void CGridCell::Setter(Type value) {                                  \
    uint64_t key;                                                       \
    if (CellAttributes* a = Attributes(&key)) a->table.Set(key, value); \
  }                                                                     \
  Type CGridCell::Getter() const {                                      \
    uint64_t key;                                                       \
    CellAttributes* a = Attributes(&key);                               \
    return a ? a->table.Get(key) : Defaults().table.Get(0);             \
  }

CELL_SIDE_FIELD(SetImage, GetImage, int, image)
CELL_SIDE_FIELD(SetDiagonal, GetDiagonal, int, diagonal)
CELL_SIDE_FIELD(SetSpareFlag, GetSpareFlag, int, spareFlag)
CELL_SIDE_FIELD(SetMergeMaster, GetMergeMaster, int, mergeMaster)
CELL_SIDE_FIELD(SetSpareValue, GetSpareValue, int, spareValue)
CELL_SIDE_FIELD(SetFormat, GetFormat, uint32_t, format)
CELL_SIDE_FIELD(SetTextColor, GetTextColor, Colour, textColor)
CELL_SIDE_FIELD(SetBkColor, GetBkColor, Colour, bkColor)
CELL_SIDE_FIELD(SetMargin, GetMargin, int, margin)
CELL_SIDE_FIELD(SetEditing, GetEditing, int, editing)

#undef CELL_SIDE_FIELD

void CGridCell::SetBitmap(Bitmap bitmap) {
  uint64_t key;
  if (CellAttributes* a = Attributes(&key)) {
    a->SetBitmap(key, bitmap);
  } else if (bitmap != 0) {
    // Nowhere to keep it: released at once, as the cell owns what it is given.
    if (PictureService* service = CurrentPictureService()) service->Destroy(bitmap);
  }
}

Bitmap CGridCell::GetBitmap() const {
  uint64_t key;
  CellAttributes* a = Attributes(&key);
  return a ? a->bitmap.Get(key) : 0;
}

void CGridCell::SetFont(const LogFont& font) {
  uint64_t key;
  CellAttributes* a = Attributes(&key);
  if (a) a->font.SetOr(key, grid_->Fonts().Intern(font), grid_->DefaultCellFont());
}

const LogFont* CGridCell::GetFont() const {
  uint64_t key;
  CellAttributes* a = Attributes(&key);
  return a ? a->font.GetOr(key, grid_->DefaultCellFont()) : LooseFont();
}

void CGridCell::CopyFrom(const CGridCellBase& other) {
  if (&other == this) return;
  SetState(other.GetState());
  SetText(other.GetText());
  SetImage(other.GetImage());
  Bitmap picture = 0;
  if (other.GetBitmap() != 0) {
    std::vector<uint8_t> bytes;
    PictureService* service = CurrentPictureService();
    if (service && service->ToBytes(other.GetBitmap(), &bytes))
      picture = service->FromBytes(bytes.data(), bytes.size());
  }
  SetBitmap(picture);
  SetDiagonal(other.GetDiagonal());
  SetSpareFlag(other.GetSpareFlag());
  SetCheck(other.GetCheck());
  SetSpareValue(other.GetSpareValue());
  SetFormat(other.GetFormat());
  SetTextColor(other.GetTextColor());
  SetBkColor(other.GetBkColor());
  if (other.GetFont())
    SetFont(*other.GetFont());
  else if (grid_)
    SetFont(*grid_->DefaultCellFont());
  SetMargin(other.GetMargin());
}

void CGridCell::Reset() {
  CGridCellBase::Reset();
  text_.Assign(std::string_view());
  check_ = 0;
  uint64_t key;
  CellAttributes* a = Attributes(&key);
  if (!a) return;
  a->format.Set(key, kDefaultCellFormat);
  a->image.Set(key, -1);
  a->SetBitmap(key, 0);
  a->spareFlag.Set(key, 0);
  a->mergeMaster.Set(key, 0);
  a->diagonal.Set(key, 0);
  a->bkColor.Set(key, kNoColor);
  a->textColor.Set(key, kNoColor);
  a->spareValue.Set(key, 0);
  a->font.Set(key, nullptr);
  a->margin.Set(key, kDefaultCellMargin);
  a->editing.Set(key, 0);
}

}  // namespace grid
