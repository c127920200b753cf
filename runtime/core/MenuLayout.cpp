#include "runtime/core/MenuLayout.h"

#include "runtime/core/MenuShortcutKeys.h"

namespace rt {

MenuPlan PlanMenu(const std::vector<const UnitTemplate*>& items) {
  MenuPlan plan;
  // popupAt[L] = entry index of the pop-up that holds items of level L (-1: the bar).
  std::vector<int> popupAt{-1};
  size_t n = items.size();
  size_t i = 0;
  while (i < n) {
    const UnitTemplate& item = *items[i];
    size_t level = item.level < popupAt.size() ? item.level : popupAt.size() - 1;
    popupAt.resize(level + 1);
    bool opens = i + 1 < n && items[i + 1]->level > item.level;
    bool separator = item.caption == "-";

    if ((item.menuState & menustate::kHidden) || (separator && opens)) {
      // Leave out the item and everything under it.
      size_t j = i + 1;
      while (j < n && items[j]->level > item.level) ++j;
      if (!(item.menuState & menustate::kHidden)) {
        MenuEntry e;
        e.kind = MenuEntry::Kind::kSeparator;
        e.item = int(i);
        e.parent = popupAt[level];
        plan.entries.push_back(e);
      }
      i = j;
      continue;
    }

    MenuEntry e;
    e.item = int(i);
    e.parent = popupAt[level];
    e.disabled = (item.menuState & menustate::kDisabled) != 0;
    e.checked = (item.menuState & menustate::kChecked) != 0;
    if (separator) {
      e.kind = MenuEntry::Kind::kSeparator;
    } else {
      e.kind = opens ? MenuEntry::Kind::kPopup : MenuEntry::Kind::kCommand;
      e.text = item.caption;
      if (const ShortcutKey* key = ShortcutKeyAt(item.shortcut)) {
        e.text += '\t';
        e.text += key->name;
        if (!opens) {
          plan.accelerators.push_back(AcceleratorEntry{key->virtualKey, key->ctrl, key->shift, key->alt,
                                                       kFirstMenuCommand + uint32_t(i)});
        }
      }
    }
    plan.entries.push_back(e);
    if (e.kind == MenuEntry::Kind::kPopup) popupAt.push_back(int(plan.entries.size() - 1));
    ++i;
  }
  return plan;
}

std::string MenuItemText(const UnitTemplate& item) {
  std::string text = item.caption;
  if (const ShortcutKey* key = ShortcutKeyAt(item.shortcut)) {
    text += '\t';
    text += key->name;
  }
  return text;
}

bool FindMenuItem(const std::vector<const UnitTemplate*>& items, uint32_t identifier, size_t* index) {
  if (identifier < kFirstMenuCommand || identifier - kFirstMenuCommand >= items.size()) return false;
  *index = identifier - kFirstMenuCommand;
  return true;
}

}  // namespace rt
