// Where a pop-up's side picture comes from for each item: the picture is made as tall
// as the pop-up (stretched, or tiled from the bottom up when shorter), and each item
// shows the slice at its own height.
#pragma once

namespace menu {

// How the stored picture becomes the prepared one for a pop-up `popupHeight` tall.
struct SidePicturePlan {
  int height = 0;     // of the prepared picture
  int tileCount = 1;  // copies stacked (1: the picture as it is)
  bool stretched = false;
};
SidePicturePlan PlanSidePicture(int pictureHeight, int popupHeight, bool stretch);

// Whether a prepared picture must be made again for a pop-up of this height.
bool SidePictureNeedsPreparing(bool prepared, bool stretch, int preparedHeight, int popupHeight);

// The source y in the prepared picture of the slice for an item at `itemTop` within
// its pop-up: the picture's bottom meets the pop-up's bottom (stretched: the same y).
int SidePictureSliceTop(int preparedHeight, int popupHeight, int itemTop, bool stretch);

}  // namespace menu
