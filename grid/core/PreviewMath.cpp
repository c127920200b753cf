#include "grid/core/PreviewMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace grid::preview {

namespace {

// Tenths of a millimetre per inch, as the preview measures paper (1 / 0.00394).
constexpr double kTenthsPerInch = 253.8071065989848;

// Truncates and adds one when the fraction reaches the threshold.
int RoundAt(double value, double threshold) {
  double whole = std::trunc(value);
  return int(whole) + (value - whole >= threshold ? 1 : 0);
}

double Tenths(int pixels, int perInch) { return double(pixels) / double(perInch) * kTenthsPerInch; }

}  // namespace

PaperMetrics MeasurePaper(const PrinterCaps& c) {
  if (c.logPixelsX <= 0 || c.logPixelsY <= 0 || c.physicalWidth <= 0 || c.physicalHeight <= 0)
    return A4Paper();
  PaperMetrics m;
  m.paperWidth = RoundAt(Tenths(c.physicalWidth, c.logPixelsX), 0.5);
  m.paperHeight = RoundAt(Tenths(c.physicalHeight, c.logPixelsY), 0.5);
  m.leftStrip = RoundAt(Tenths(c.physicalOffsetX, c.logPixelsX), 0.1);
  m.topStrip = RoundAt(Tenths(c.physicalOffsetY, c.logPixelsY), 0.1);
  m.rightStrip = RoundAt(Tenths(c.physicalWidth - c.horzRes - c.physicalOffsetX, c.logPixelsX), 0.1);
  m.bottomStrip = RoundAt(Tenths(c.physicalHeight - c.vertRes - c.physicalOffsetY, c.logPixelsY), 0.1);
  m.printableWidth = m.paperWidth - m.leftStrip - m.rightStrip;
  m.printableHeight = m.paperHeight - m.topStrip - m.bottomStrip;
  return m;
}

int ZoomIn(int zoom) { return std::clamp(zoom + kZoomStep, kZoomMin, kZoomMax); }
int ZoomOut(int zoom) { return std::clamp(zoom - kZoomStep, kZoomMin, kZoomMax); }

int FitZoom(int clientPixels, int extentDevice) {
  if (extentDevice <= 0) return kRealSize;
  int64_t z = int64_t(clientPixels) * kRealSize / extentDevice;
  return int(std::clamp<int64_t>(z, kZoomMin, INT32_MAX));
}

int WheelLines(int* accumulator, int delta) {
  *accumulator += delta;
  int lines = *accumulator / kWheelStep;  // toward zero: the remainder keeps its sign
  *accumulator -= lines * kWheelStep;
  return lines;
}

int ClampJumpPage(int value, int pageCount) {
  if (value > pageCount) value = pageCount;
  if (value <= 0) value = 1;
  return value;
}

int ClampMarginValue(int value) { return std::clamp(value, 0, 999); }

}  // namespace grid::preview
