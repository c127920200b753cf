// The layout cache of the owner-drawn menu and the measuring rules built on it.
//
// The cache is rebuilt from the runtime's items (identifier 20000 on, in menu order):
// the items after each bar item (level 0) that have the next level form its pop-up, an
// item one level deeper opens a nested pop-up, and a pop-up ends at an item of a lower
// level. Hidden items belong to no pop-up. For every member the cache keeps its caption
// and shortcut widths and the widest of both, and the total height, of its pop-up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace menu {

constexpr uint32_t kFirstItemId = 20000;
constexpr uint32_t kLastItemId = 21000;
constexpr int kSeparatorHeight = 3;
constexpr int kItemPadding = 8;  // height beyond the taller of text and icon

// One item as the runtime describes it.
struct MenuItemView {
  uint32_t identifier = 0;
  uint32_t level = 0;
  bool visible = true;
  std::string text;  // caption, then a tab and the shortcut
};

struct TextSize {
  int width = 0, height = 0;
};

// Measures shown text (GBK, ampersands already dropped) in the menu font.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual TextSize Measure(const std::string& text) const = 0;
};

struct PopupItemLayout {
  int captionWidth = 0, shortcutWidth = 0;
  int widestCaption = 0, widestShortcut = 0;
  int popupHeight = 0;
  uint32_t barItem = 0;  // the bar item whose pop-up this is; 0 for a nested pop-up
};

// The height of one pop-up item: 3 for a separator, else the taller of its text and
// the icons, plus 8.
int PopupItemHeight(bool separator, int textHeight, int iconHeight);

class MenuLayoutCache {
 public:
  void Clear() { items_.clear(); }
  void Rebuild(const std::vector<MenuItemView>& items, const TextMeasurer& measure, int iconHeight);
  // Null when the item belongs to no pop-up (bar items, hidden items, unknown ones).
  const PopupItemLayout* Find(uint32_t identifier) const;
  size_t Size() const { return items_.size(); }

 private:
  size_t ScanPopup(const std::vector<MenuItemView>& items, size_t start, uint32_t level, uint32_t barItem,
                   const TextMeasurer& measure, int iconHeight);
  std::map<uint32_t, PopupItemLayout> items_;
};

//--- Measuring rules ----------------------------------------------------------------

// Operating-system family: the NT family and the old (Windows 9x) family measure
// pop-up items differently.
struct MeasureContext {
  int iconWidth = 16, iconHeight = 15;
  int sidePictureWidth = 0;  // of the pop-up the item is in; 0 without one
  int twoSpacesWidth = 0;    // the gap before the shortcut column
  bool oldFamily = false;
};

// A bar item: the shown caption's width less 5 (height 0: the system's bar height).
int BarItemWidth(int shownCaptionWidth);
// A pop-up item's width; the gap is added only when the pop-up has a shortcut.
int PopupItemWidth(const PopupItemLayout& layout, const MeasureContext& ctx);

// Where a pop-up item's texts go, for an item whose drawing starts at x = left (after
// any side picture) and ends at right.
struct TextColumns {
  int captionLeft = 0, captionRight = 0;
  int shortcutLeft = 0, shortcutRight = 0;  // an empty column when the pop-up has no shortcut
  bool hasShortcutColumn = false;
};
TextColumns PopupTextColumns(int left, int right, const PopupItemLayout& layout, const MeasureContext& ctx);

// The x where a separator line starts: past the icon strip, or near the left edge when
// the strip and the background have one colour.
int SeparatorLeft(int left, int iconWidth, bool plainBackground);

}  // namespace menu
