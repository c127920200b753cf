// Rules of the in-place text editor that need no window: the characters a number or
// currency column accepts, and the clean-up of a number's text at the end of editing.
#pragma once

#include <string>
#include <string_view>

namespace grid {

// Whether the number editor takes `ch` with the selection selStart..selEnd (byte
// offsets, equal for a plain caret) in `text`: control characters, digits, a minus
// sign only at the very start with no selection and none in the text yet, a decimal
// point only when there is none yet; nothing at the very start (plain caret) while
// the text holds a minus sign.
bool AcceptsNumberChar(std::string_view text, int selStart, int selEnd, unsigned ch);

// For a text with a non-zero value: a trailing "." goes, then leading zeros one by
// one while the text starts with "0" but not "0.". "007" -> "7", "5." -> "5".
std::string CleanUpNumberText(std::string_view text);

}  // namespace grid
