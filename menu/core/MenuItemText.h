// The text of a menu item as the runtime gives it: the caption, then (after the first
// tab) the name of its shortcut. "-" alone is a separator. A single ampersand marks the
// next character as the item's access key and is not shown; "&&" shows one ampersand.
#pragma once

#include <string>

namespace menu {

struct ItemText {
  std::string caption;
  std::string shortcut;  // empty when the item has none
};

ItemText SplitItemText(const std::string& text);
bool IsSeparatorCaption(const std::string& caption);
// The text as it is shown: single ampersands dropped, "&&" made one.
std::string DisplayedText(const std::string& text);

}  // namespace menu
