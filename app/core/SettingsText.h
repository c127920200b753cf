// The small settings files the program keeps per user on this PC (print.ini, book.ini):
// UTF-8 text, a byte-order mark accepted, "[section]" lines and "key=value" lines.
#pragma once

#include <functional>
#include <string_view>

namespace app {

// Without the spaces and tabs around it (and a line's carriage return).
std::string_view TrimSetting(std::string_view s);
// Equal but for the case of ASCII letters.
bool SameWord(std::string_view a, std::string_view b);

// Every "key=value" of `section` ("[print]"), trimmed, in order. Other sections, comments
// (";", "#") and lines without "=" are passed over.
void ForEachSetting(std::string_view text, std::string_view section,
                    const std::function<void(std::string_view key, std::string_view value)>& use);

}  // namespace app
