#include "grid/core/GridCell.h"

#include <utility>
#include <vector>

#include "grid/core/GridModel.h"
#include "grid/core/PictureService.h"

namespace grid {

namespace {

// Cells made without a grid share this pool and font.
FontPool& LoosePool() {
  static FontPool pool;
  return pool;
}

FontPool& PoolOf(GridModel* grid) { return grid ? grid->Fonts() : LoosePool(); }

const LogFont* DefaultFontOf(GridModel* grid) {
  if (grid) return grid->DefaultCellFont();
  static const LogFont* loose = LoosePool().Intern(DefaultGridFont());
  return loose;
}

}  // namespace

const std::string& CGridCellBase::GetText() const {
  static const std::string empty;
  return empty;
}

CGridCell::CGridCell(GridModel* grid) : grid_(grid) { font_ = DefaultFontOf(grid); }

CGridCell::CGridCell(CGridCell&& other) noexcept
    : CGridCellBase(std::move(other)),
      text_(std::move(other.text_)),
      format_(other.format_),
      bitmap_(std::exchange(other.bitmap_, 0)),
      font_(other.font_),
      grid_(other.grid_),
      image_(other.image_),
      check_(other.check_),
      spareFlag_(other.spareFlag_),
      mergeMaster_(other.mergeMaster_),
      diagonal_(other.diagonal_),
      bkColor_(other.bkColor_),
      textColor_(other.textColor_),
      spareValue_(other.spareValue_),
      margin_(other.margin_),
      editing_(other.editing_) {}

CGridCell& CGridCell::operator=(CGridCell&& other) noexcept {
  if (this == &other) return *this;
  ReleaseBitmap();
  CGridCellBase::operator=(std::move(other));
  text_ = std::move(other.text_);
  format_ = other.format_;
  bitmap_ = std::exchange(other.bitmap_, 0);
  font_ = other.font_;
  grid_ = other.grid_;
  image_ = other.image_;
  check_ = other.check_;
  spareFlag_ = other.spareFlag_;
  mergeMaster_ = other.mergeMaster_;
  diagonal_ = other.diagonal_;
  bkColor_ = other.bkColor_;
  textColor_ = other.textColor_;
  spareValue_ = other.spareValue_;
  margin_ = other.margin_;
  editing_ = other.editing_;
  return *this;
}

CGridCell::~CGridCell() { ReleaseBitmap(); }

void CGridCell::ReleaseBitmap() {
  if (bitmap_ == 0) return;
  if (PictureService* service = CurrentPictureService()) service->Destroy(bitmap_);
  bitmap_ = 0;
}

void CGridCell::SetBitmap(Bitmap bitmap) {
  if (bitmap == bitmap_) return;
  ReleaseBitmap();
  bitmap_ = bitmap;
}

void CGridCell::SetFont(const LogFont& font) { font_ = PoolOf(grid_).Intern(font); }

void CGridCell::CopyFrom(const CGridCellBase& other) {
  if (&other == this) return;
  CGridCellBase::CopyFrom(other);
  text_ = other.GetText();
  image_ = other.GetImage();
  Bitmap picture = 0;
  if (other.GetBitmap() != 0) {
    std::vector<uint8_t> bytes;
    PictureService* service = CurrentPictureService();
    if (service && service->ToBytes(other.GetBitmap(), &bytes))
      picture = service->FromBytes(bytes.data(), bytes.size());
  }
  SetBitmap(picture);
  diagonal_ = other.GetDiagonal();
  spareFlag_ = other.GetSpareFlag();
  check_ = other.GetCheck();
  spareValue_ = other.GetSpareValue();
  format_ = other.GetFormat();
  textColor_ = other.GetTextColor();
  bkColor_ = other.GetBkColor();
  grid_ = other.GetGrid();
  font_ = other.GetFont() ? PoolOf(grid_).Intern(*other.GetFont()) : DefaultFontOf(grid_);
  margin_ = other.GetMargin();
}

void CGridCell::Reset() {
  CGridCellBase::Reset();
  text_.clear();
  format_ = kDefaultCellFormat;
  image_ = -1;
  ReleaseBitmap();
  check_ = 0;
  spareFlag_ = 0;
  mergeMaster_ = 0;
  diagonal_ = 0;
  bkColor_ = kNoColor;
  textColor_ = kNoColor;
  spareValue_ = 0;
  font_ = DefaultFontOf(grid_);
  margin_ = kDefaultCellMargin;
  editing_ = 0;
}

}  // namespace grid
