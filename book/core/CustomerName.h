// The one trimming rule for customer names: a name typed "张三　" or "\t张三 " is the
// customer "张三" in the note reader, the customer box, remembered prices, payments and
// statements alike.
#pragma once

#include <string>
#include <string_view>

namespace book {

// Without leading and trailing ASCII and full-width (ideographic) spaces, tabs and line
// breaks (GBK).
std::string CustomerName(std::string_view typed);

}  // namespace book
