// CSV fields as the program writes them: a field holding a comma, a quote or a line break
// is quoted, its quotes doubled; any other goes as it is.
#pragma once

#include <string>
#include <string_view>

namespace text {

void AppendCsvField(std::string_view field, std::string* out);

}  // namespace text
