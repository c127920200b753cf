#include "menu/core/MenuColors.h"

#include <gtest/gtest.h>

namespace menu {
namespace {

TEST(MenuColors, PresetsLoadWholeSetsAndOtherStylesLoadNothing) {
  MenuColorSet set;
  EXPECT_EQ(set.Style(), 1);
  EXPECT_EQ(set.Get(kMenuBack), Rgb(249, 248, 247));
  EXPECT_EQ(set.Get(kSeparator), Rgb(106, 140, 203));
  set.SetStyle(4);
  EXPECT_EQ(set.Colors(), PresetColors(4));
  EXPECT_EQ(set.Get(kDisabledText), Rgb(147, 55, 81));
  set.SetStyle(6);
  EXPECT_EQ(set.Get(kSelectedFill), Rgb(237, 123, 99));
  EXPECT_EQ(set.Get(kFrame), Rgb(128, 0, 0));
  set.SetStyle(9);  // stored, nothing loaded
  EXPECT_EQ(set.Style(), 9);
  EXPECT_EQ(set.Colors(), PresetColors(6));
  set.SetStyle(0);
  EXPECT_EQ(set.Colors(), PresetColors(6));
  EXPECT_TRUE(set.ColorsEditable());
}

TEST(MenuColors, SameColourKeepsTheStyleAnotherMakesItCustom) {
  MenuColorSet set;
  set.SetStyle(3);
  set.SetColor(kSeparator, Rgb(128, 160, 128));  // its current value
  EXPECT_EQ(set.Style(), 3);
  EXPECT_FALSE(set.ColorsEditable());
  set.SetColor(kSeparator, Rgb(1, 2, 3));
  EXPECT_EQ(set.Style(), kCustomStyle);
  EXPECT_EQ(set.Get(kSeparator), Rgb(1, 2, 3));
  EXPECT_EQ(set.Get(kMenuBack), Rgb(249, 248, 247));  // the rest of preset 3 stays
}

TEST(MenuColors, LightenAndDarkenTruncateAndIgnoreBadFractions) {
  EXPECT_EQ(Darken(Rgb(255, 100, 1), 0.25), Rgb(191, 75, 0));
  EXPECT_EQ(Lighten(Rgb(0, 128, 255), 0.2), Rgb(51, 153, 255));
  EXPECT_EQ(Lighten(Rgb(0, 0, 128), 0.2), Rgb(51, 51, 153));  // the open bar item's frame
  EXPECT_EQ(Lighten(Rgb(10, 20, 30), 1.0), Rgb(255, 255, 255));
  for (double bad : {0.0, -0.5, 1.5}) {
    EXPECT_EQ(Lighten(Rgb(10, 20, 30), bad), Rgb(10, 20, 30));
    EXPECT_EQ(Darken(Rgb(10, 20, 30), bad), Rgb(10, 20, 30));
  }
}

TEST(MenuColors, BlendAtTheSelectionAlpha) {
  // Selected fill of preset 1 over the menu background at 220/255.
  Color c = Blend(Rgb(255, 238, 194), Rgb(249, 248, 247), 220);
  EXPECT_EQ(c, Rgb(254, 239, 201));
  EXPECT_EQ(Blend(Rgb(0, 0, 0), Rgb(255, 255, 255), 0), Rgb(255, 255, 255));
  EXPECT_EQ(Blend(Rgb(0, 0, 0), Rgb(255, 255, 255), 255), Rgb(0, 0, 0));
  EXPECT_EQ(VertexChannel(0xAB), 0xAB00);
  BarShadowShades s = BarShadow(Rgb(200, 100, 40));
  EXPECT_EQ(s.lowLeft, Rgb(150, 75, 30));
  EXPECT_EQ(s.lowRight, Rgb(186, 93, 37));
  EXPECT_EQ(s.corner[3], Rgb(160, 80, 32));
}

}  // namespace
}  // namespace menu
