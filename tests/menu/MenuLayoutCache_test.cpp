#include "menu/core/MenuLayoutCache.h"

#include <gtest/gtest.h>

#include "menu/core/MenuItemText.h"

namespace menu {
namespace {

// Every shown byte is 6 pixels wide; text is 14 high.
class FixedMeasurer : public TextMeasurer {
 public:
  TextSize Measure(const std::string& text) const override {
    ++calls;
    return TextSize{int(text.size()) * 6, 14};
  }
  mutable int calls = 0;
};

MenuItemView Item(uint32_t index, uint32_t level, const char* text, bool visible = true) {
  return MenuItemView{kFirstItemId + index, level, visible, text};
}

TEST(MenuItemText, CaptionShortcutAndAmpersands) {
  ItemText t = SplitItemText("打开(&O)\tCtrl+O\tx");
  EXPECT_EQ(t.caption, "打开(&O)");
  EXPECT_EQ(t.shortcut, "Ctrl+O\tx");
  EXPECT_EQ(SplitItemText("退出").shortcut, "");
  EXPECT_EQ(DisplayedText("&File && &Edit&"), "File & Edit");
  EXPECT_EQ(DisplayedText("打开(&O)"), "打开(O)");
  EXPECT_TRUE(IsSeparatorCaption("-"));
  EXPECT_FALSE(IsSeparatorCaption("--"));
}

TEST(MenuLayoutCache, PopupsNestedPopupsAndHiddenItems) {
  FixedMeasurer m;
  MenuLayoutCache cache;
  cache.Rebuild({Item(0, 0, "程序"), Item(1, 1, "打开\tCtrl+O"), Item(2, 1, "-"), Item(3, 1, "更多"),
                 Item(4, 2, "甲"), Item(5, 2, "很长的子项"), Item(6, 1, "隐藏的很长的项", false),
                 Item(7, 1, "退出"), Item(8, 0, "帮助"), Item(9, 1, "关于")},
                m, 15);
  EXPECT_EQ(cache.Find(kFirstItemId + 0), nullptr);  // bar items have no record
  EXPECT_EQ(cache.Find(kFirstItemId + 6), nullptr);  // hidden
  const PopupItemLayout* open = cache.Find(kFirstItemId + 1);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->captionWidth, 24);
  EXPECT_EQ(open->shortcutWidth, 36);
  EXPECT_EQ(open->widestCaption, 24);  // 打开, 更多, 退出: the nested items do not count
  EXPECT_EQ(open->widestShortcut, 36);
  // 打开, 更多, 退出 at max(14, 15) + 8, the separator at 3.
  EXPECT_EQ(open->popupHeight, 3 * 23 + 3);
  EXPECT_EQ(cache.Find(kFirstItemId + 7)->popupHeight, 72);
  const PopupItemLayout* nested = cache.Find(kFirstItemId + 4);
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(nested->widestCaption, 60);
  EXPECT_EQ(nested->widestShortcut, 0);
  EXPECT_EQ(nested->popupHeight, 46);
  EXPECT_EQ(nested->barItem, 0u);
  EXPECT_EQ(open->barItem, kFirstItemId);
  EXPECT_EQ(cache.Find(kFirstItemId + 9)->barItem, kFirstItemId + 8);
  EXPECT_EQ(cache.Find(kFirstItemId + 9)->popupHeight, 23);
  EXPECT_EQ(cache.Find(kFirstItemId + 2)->captionWidth, 0);
}

TEST(MenuLayoutCache, RebuildForgetsItemsThatAreGone) {
  FixedMeasurer m;
  MenuLayoutCache cache;
  cache.Rebuild({Item(0, 0, "甲"), Item(1, 1, "乙"), Item(2, 1, "丙")}, m, 15);
  EXPECT_EQ(cache.Size(), 2u);
  cache.Rebuild({Item(0, 0, "甲"), Item(1, 1, "乙")}, m, 15);
  EXPECT_EQ(cache.Size(), 1u);
  EXPECT_EQ(cache.Find(kFirstItemId + 2), nullptr);
  cache.Rebuild({}, m, 15);
  EXPECT_EQ(cache.Size(), 0u);
}

TEST(MenuMeasuring, APopupWithoutShortcutsHasNoShortcutColumnOrGap) {
  PopupItemLayout plain{30, 0, 48, 0, 100};
  MeasureContext ctx;
  ctx.twoSpacesWidth = 10;
  EXPECT_EQ(PopupItemWidth(plain, ctx), 16 + 48 + 27 - 12);
  TextColumns c = PopupTextColumns(0, 200, plain, ctx);
  EXPECT_FALSE(c.hasShortcutColumn);
  EXPECT_EQ(c.captionLeft, 27);
  EXPECT_EQ(c.captionRight, 27 + 48);
  EXPECT_EQ(c.shortcutLeft, c.shortcutRight);

  PopupItemLayout withKeys{30, 36, 48, 40, 100};
  EXPECT_EQ(PopupItemWidth(withKeys, ctx), 16 + 48 + 40 + 10 + 27 - 12);
  ctx.sidePictureWidth = 20;
  EXPECT_EQ(PopupItemWidth(withKeys, ctx), 20 + 16 + 48 + 40 + 10 + 27 - 12);
  c = PopupTextColumns(20, 200, withKeys, ctx);
  EXPECT_TRUE(c.hasShortcutColumn);
  EXPECT_EQ(c.shortcutLeft, 20 + 27 + 48 + 10);
  EXPECT_EQ(c.shortcutRight, 184);
}

TEST(MenuMeasuring, OldFamilyBarItemsAndSeparators) {
  PopupItemLayout keys{30, 36, 48, 40, 100};
  MeasureContext ctx;
  ctx.twoSpacesWidth = 10;
  ctx.oldFamily = true;
  EXPECT_EQ(PopupItemWidth(keys, ctx), 16 + 48 + 40 + 10 + 27 - (40 + 16));
  EXPECT_EQ(BarItemWidth(40), 35);
  EXPECT_EQ(PopupItemHeight(true, 14, 15), 3);
  EXPECT_EQ(PopupItemHeight(false, 20, 15), 28);
  EXPECT_EQ(SeparatorLeft(0, 16, false), 27);
  EXPECT_EQ(SeparatorLeft(0, 16, true), 2);
}

}  // namespace
}  // namespace menu
