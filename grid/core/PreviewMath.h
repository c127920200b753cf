// The print preview's arithmetic: paper measures from a printer's device capabilities,
// zoom steps and fits, the wheel, and the clamping of the page-jump and margin fields.
// Platform-free; the preview window reads the capabilities and sizes and applies these.
#pragma once

#include "grid/core/GridTypes.h"

namespace grid::preview {

//--- Paper ------------------------------------------------------------------------------

// The device capabilities the paper is measured from (GetDeviceCaps values).
struct PrinterCaps {
  int logPixelsX = 0, logPixelsY = 0;
  int physicalWidth = 0, physicalHeight = 0;
  int physicalOffsetX = 0, physicalOffsetY = 0;
  int horzRes = 0, vertRes = 0;
};

// Tenths of a millimetre.
struct PaperMetrics {
  int paperWidth = 2100, paperHeight = 2970;
  int printableWidth = 2100, printableHeight = 2970;
  int leftStrip = 0, topStrip = 0, rightStrip = 0, bottomStrip = 0;
  bool operator==(const PaperMetrics& o) const {
    return paperWidth == o.paperWidth && paperHeight == o.paperHeight && printableWidth == o.printableWidth &&
           printableHeight == o.printableHeight && leftStrip == o.leftStrip && topStrip == o.topStrip &&
           rightStrip == o.rightStrip && bottomStrip == o.bottomStrip;
  }
};

// A4 without unprintable strips, for when there is no printer.
inline PaperMetrics A4Paper() { return PaperMetrics(); }
// Capabilities without pixels per inch give A4.
PaperMetrics MeasurePaper(const PrinterCaps& caps);

//--- Zoom -------------------------------------------------------------------------------

constexpr int kZoomMin = 300;
constexpr int kZoomMax = 3000;
constexpr int kZoomStep = 300;
constexpr int kRealSize = 1000;

int ZoomIn(int zoom);   // + one step, clamped
int ZoomOut(int zoom);  // - one step, clamped
// The zoom at which `extentDevice` pixels (the paper plus its border, at real size) fill
// `clientPixels`; at least kZoomMin, no upper limit. A zero extent keeps real size.
int FitZoom(int clientPixels, int extentDevice);

//--- Scrolling ----------------------------------------------------------------------------

constexpr int kLineStep = 15;  // logical units per line
constexpr int kPaperBorder = 50;
constexpr int kWheelStep = 60;

// Adds a wheel delta; returns the lines to scroll (positive = up) and keeps the rest.
int WheelLines(int* accumulator, int delta);

//--- Dialog fields ----------------------------------------------------------------------

// The page-jump field: above the page count becomes the page count, 0 or less becomes 1.
int ClampJumpPage(int value, int pageCount);
// A margins field: 0..999.
int ClampMarginValue(int value);
// The margins dialog's "默认值".
inline PrintLayout DefaultLayout() { return PrintLayout(); }

}  // namespace grid::preview
