#include "grid/core/CellAttributes.h"

#include "grid/core/PictureService.h"

namespace grid {

namespace {

void DestroyBitmap(Bitmap bitmap) {
  if (bitmap == 0) return;
  if (PictureService* service = CurrentPictureService()) service->Destroy(bitmap);
}

}  // namespace

void CellAttributes::SetBitmap(uint64_t key, Bitmap picture) {
  Bitmap old = bitmap.Get(key);
  if (old == picture) return;
  DestroyBitmap(old);
  bitmap.Set(key, picture);
}

void CellAttributes::DropOutside(int rows, int cols) {
  auto keep = [](auto) {};
  format.DropOutside(rows, cols, keep);
  bkColor.DropOutside(rows, cols, keep);
  textColor.DropOutside(rows, cols, keep);
  font.DropOutside(rows, cols, keep);
  bitmap.DropOutside(rows, cols, DestroyBitmap);
  image.DropOutside(rows, cols, keep);
  diagonal.DropOutside(rows, cols, keep);
  spareFlag.DropOutside(rows, cols, keep);
  mergeMaster.DropOutside(rows, cols, keep);
  spareValue.DropOutside(rows, cols, keep);
  margin.DropOutside(rows, cols, keep);
  editing.DropOutside(rows, cols, keep);
}

void CellAttributes::Clear() { DropOutside(0, 0); }

}  // namespace grid
