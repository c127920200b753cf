// The print preview window's state, and the seams through which tests drive it while
// it runs modally.
#pragma once

#include <windows.h>

#include <functional>

#include "grid/core/PreviewMath.h"

namespace grid {
class GridModel;
}

namespace grid::win {

struct PreviewState {
  GridModel* grid = nullptr;
  HWND window = nullptr;
  HWND view = nullptr;
  int currentPage = 1;
  int pageCount = 0;
  grid::preview::PaperMetrics paper;
  int zoom = 1000;
  bool zoomChosen = false;
  bool erase = true;
  int wheel = 0;
  int scrollX = 0, scrollY = 0;
  bool printAfterClose = false;
};

// Called inside the modal loop once the preview window (or one of its two dialogs)
// is shown, with its window.
using PreviewHook = std::function<void(HWND window)>;
PreviewHook SetPreviewOpenedHook(PreviewHook hook);
PreviewHook SetPreviewDialogHook(PreviewHook hook);
// The open preview, or null.
const PreviewState* CurrentPreview();

}  // namespace grid::win
