#include "grid/core/PreviewMath.h"

#include <gtest/gtest.h>

namespace grid::preview {
namespace {

TEST(PreviewPaper, MeasuredFromDeviceCapsWithTheirRoundingRules) {
  // A4 at 300 dpi with quarter-inch-ish strips.
  PrinterCaps caps{300, 300, 2480, 3508, 75, 70, 2330, 3368};
  PaperMetrics m = MeasurePaper(caps);
  EXPECT_EQ(m.paperWidth, 2098);   // 2480 / 300 x 253.807 = 2098.13: half up
  EXPECT_EQ(m.paperHeight, 2968);  // 2967.89 rounds up
  EXPECT_EQ(m.leftStrip, 64);      // 63.45: fraction >= 0.1 goes up
  EXPECT_EQ(m.topStrip, 60);       // 59.22
  EXPECT_EQ(m.rightStrip, 64);     // (2480 - 2330 - 75) = 75 px
  EXPECT_EQ(m.bottomStrip, 60);    // 70 px
  EXPECT_EQ(m.printableWidth, 2098 - 128);
  EXPECT_EQ(m.printableHeight, 2968 - 120);
  EXPECT_EQ(MeasurePaper(PrinterCaps{}), A4Paper());
  EXPECT_EQ(A4Paper().printableWidth, 2100);
  EXPECT_EQ(A4Paper().paperHeight, 2970);
}

TEST(PreviewZoom, StepsStopAtTheLimitsAndFitsOnlyAtTheLowerOne) {
  int in = kRealSize, out = kRealSize;
  for (int i = 0; i < 10; ++i) {
    in = ZoomIn(in);
    out = ZoomOut(out);
  }
  EXPECT_EQ(in, 3000);
  EXPECT_EQ(out, 300);
  EXPECT_EQ(FitZoom(40, 800), 300);  // a very narrow window
  EXPECT_EQ(FitZoom(800, 800), 1000);
  EXPECT_EQ(FitZoom(4000, 800), 5000);  // no upper clamp
  EXPECT_EQ(FitZoom(100, 0), 1000);
}

TEST(PreviewScroll, WheelStepsKeepTheRemainder) {
  int acc = 0;
  EXPECT_EQ(WheelLines(&acc, 120), 2);
  EXPECT_EQ(WheelLines(&acc, 50), 0);
  EXPECT_EQ(WheelLines(&acc, 20), 1);
  EXPECT_EQ(acc, 10);
  EXPECT_EQ(WheelLines(&acc, -130), -2);
  EXPECT_EQ(acc, 0);
}

TEST(PreviewDialogs, JumpAndMarginFieldsAreClamped) {
  EXPECT_EQ(ClampJumpPage(8, 5), 5);
  EXPECT_EQ(ClampJumpPage(0, 5), 1);
  EXPECT_EQ(ClampJumpPage(-3, 5), 1);
  EXPECT_EQ(ClampJumpPage(3, 5), 3);
  EXPECT_EQ(ClampMarginValue(1200), 999);
  EXPECT_EQ(ClampMarginValue(1000), 999);
  EXPECT_EQ(ClampMarginValue(-1), 0);
  EXPECT_EQ(ClampMarginValue(45), 45);
  PrintLayout d = DefaultLayout();
  EXPECT_EQ(d.topMargin, 20);
  EXPECT_EQ(d.leftMargin, 40);
  EXPECT_EQ(d.headerBand, 60);
}

}  // namespace
}  // namespace grid::preview
