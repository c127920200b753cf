// Writing WindowTemplate records as a template block: the inverse of
// LoadWindowTemplates, used by the program's template builder and by tests that need
// well-formed or deliberately broken blocks. Reserved words, run-time slots and the
// window table's placeholders are written as 0; records are laid out in unit order.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/WindowTemplate.h"

namespace rt {

std::vector<uint8_t> WriteWindowTemplates(const TemplateSet& set);

// The pieces, for tests that assemble blocks by hand.
std::vector<uint8_t> WriteUnitRecord(const UnitTemplate& unit);  // without its length word
std::vector<uint8_t> WriteWindowRecord(const WindowTemplate& window);

}  // namespace rt
