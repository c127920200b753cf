#include "menu/core/MenuLayoutCache.h"

#include <algorithm>

#include "menu/core/MenuItemText.h"

namespace menu {

int PopupItemHeight(bool separator, int textHeight, int iconHeight) {
  return separator ? kSeparatorHeight : std::max(textHeight, iconHeight) + kItemPadding;
}

void MenuLayoutCache::Rebuild(const std::vector<MenuItemView>& items, const TextMeasurer& measure,
                              int iconHeight) {
  items_.clear();
  size_t i = 0;
  while (i < items.size()) {
    if (items[i].level == 0 && i + 1 < items.size() && items[i + 1].level > 0) {
      i = ScanPopup(items, i + 1, items[i + 1].level, items[i].identifier, measure, iconHeight);
    } else {
      ++i;
    }
  }
}

size_t MenuLayoutCache::ScanPopup(const std::vector<MenuItemView>& items, size_t start, uint32_t level,
                                  uint32_t barItem, const TextMeasurer& measure, int iconHeight) {
  std::vector<uint32_t> members;
  PopupItemLayout pop;
  size_t j = start;
  while (j < items.size() && items[j].level >= level) {
    const MenuItemView& item = items[j];
    if (item.level > level) {  // the item before opens a nested pop-up
      j = ScanPopup(items, j, item.level, 0, measure, iconHeight);
      continue;
    }
    ++j;
    if (!item.visible) continue;
    ItemText t = SplitItemText(item.text);
    PopupItemLayout own;
    bool separator = IsSeparatorCaption(t.caption);
    int textHeight = 0;
    if (!separator) {
      TextSize caption = measure.Measure(DisplayedText(t.caption));
      own.captionWidth = caption.width;
      textHeight = caption.height;
      if (!t.shortcut.empty()) {
        TextSize shortcut = measure.Measure(DisplayedText(t.shortcut));
        own.shortcutWidth = shortcut.width;
        textHeight = std::max(textHeight, shortcut.height);
      }
    }
    pop.widestCaption = std::max(pop.widestCaption, own.captionWidth);
    pop.widestShortcut = std::max(pop.widestShortcut, own.shortcutWidth);
    pop.popupHeight += PopupItemHeight(separator, textHeight, iconHeight);
    items_[item.identifier] = own;
    members.push_back(item.identifier);
  }
  for (uint32_t id : members) {
    PopupItemLayout& own = items_[id];
    own.widestCaption = pop.widestCaption;
    own.widestShortcut = pop.widestShortcut;
    own.popupHeight = pop.popupHeight;
    own.barItem = barItem;
  }
  return j;
}

const PopupItemLayout* MenuLayoutCache::Find(uint32_t identifier) const {
  auto it = items_.find(identifier);
  return it == items_.end() ? nullptr : &it->second;
}

int BarItemWidth(int shownCaptionWidth) { return shownCaptionWidth - 5; }

int PopupItemWidth(const PopupItemLayout& layout, const MeasureContext& ctx) {
  int gap = layout.widestShortcut > 0 ? ctx.twoSpacesWidth : 0;
  int k = ctx.oldFamily ? layout.widestShortcut + 16 : 12;
  return ctx.iconWidth + ctx.sidePictureWidth + layout.widestCaption + layout.widestShortcut + gap + 27 - k;
}

TextColumns PopupTextColumns(int left, int right, const PopupItemLayout& layout, const MeasureContext& ctx) {
  TextColumns c;
  c.captionLeft = left + ctx.iconWidth + 11;
  c.captionRight = c.captionLeft + layout.widestCaption;
  c.hasShortcutColumn = layout.widestShortcut > 0;
  c.shortcutLeft = c.captionRight + (c.hasShortcutColumn ? ctx.twoSpacesWidth : 0);
  c.shortcutRight = c.hasShortcutColumn ? std::max(c.shortcutLeft, right - 16) : c.shortcutLeft;
  c.captionRight = std::min(c.captionRight, std::max(c.captionLeft, right - 16));
  return c;
}

int SeparatorLeft(int left, int iconWidth, bool plainBackground) {
  return plainBackground ? left + 2 : left + iconWidth + 11;
}

}  // namespace menu
