#include "menu/core/SidePicture.h"

namespace menu {

SidePicturePlan PlanSidePicture(int pictureHeight, int popupHeight, bool stretch) {
  SidePicturePlan p;
  if (pictureHeight <= 0) return p;
  if (stretch) {
    p.height = popupHeight > 0 ? popupHeight : pictureHeight;
    p.stretched = true;
  } else if (pictureHeight < popupHeight) {
    p.tileCount = (popupHeight + pictureHeight - 1) / pictureHeight;
    p.height = p.tileCount * pictureHeight;
  } else {
    p.height = pictureHeight;
  }
  return p;
}

bool SidePictureNeedsPreparing(bool prepared, bool stretch, int preparedHeight, int popupHeight) {
  // A tiled picture that has become shorter than its pop-up is tiled again as well.
  return !prepared || (stretch ? preparedHeight != popupHeight : preparedHeight < popupHeight);
}

int SidePictureSliceTop(int preparedHeight, int popupHeight, int itemTop, bool stretch) {
  return stretch ? itemTop : preparedHeight - popupHeight + itemTop;
}

}  // namespace menu
