#include "book/core/CustomerName.h"

#include "book/core/GbkScan.h"

namespace book {

std::string CustomerName(std::string_view typed) { return TrimGbk(typed); }

}  // namespace book
