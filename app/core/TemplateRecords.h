// Readable builders of window template records: units with their place, state and
// property block, event bindings, menu items, and the property blocks of the core
// unit kinds. The program's windows are written with them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "app/core/HandlerIds.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/core/WindowTemplate.h"

namespace app::tpl {

// State words: visible and a tab stop (controls that take input), visible (labels,
// group boxes, windows), nothing (units that are not shown at run time).
constexpr uint32_t kInputState = 5, kShownState = 1, kHiddenState = 0;

struct Place {
  int32_t left, top, width, height;
};

rt::UnitTemplate Unit(uint32_t id, uint32_t type, const char* name, Place at, uint32_t state,
                      std::vector<uint8_t> block);
rt::UnitTemplate Inside(uint32_t groupId, rt::UnitTemplate u);
rt::UnitTemplate On(int32_t event, HandlerId handler, rt::UnitTemplate u);
rt::UnitTemplate On(std::initializer_list<std::pair<int32_t, HandlerId>> events, rt::UnitTemplate u);
rt::UnitTemplate MenuItem(uint32_t id, uint32_t level, const char* caption, std::optional<HandlerId> handler);

// Each group box lists the units that name it as their container, in table order.
void ListContainedUnits(rt::WindowTemplate* w);

std::vector<uint8_t> WindowBlock(uint32_t version, uint32_t border, const char* caption,
                                 const std::vector<uint8_t>& icon);
std::vector<uint8_t> LabelBlock(const char* caption, rt::FontBytes font = {});
std::vector<uint8_t> EditBlock(const char* content);
std::vector<uint8_t> ButtonBlock(const char* caption);
std::vector<uint8_t> CheckBlock(const char* caption, bool checked);
std::vector<uint8_t> RadioBlock(const char* caption, bool selected);
std::vector<uint8_t> GroupBlock(const char* caption);
std::vector<uint8_t> FileDialogBlock(uint32_t kind, const char* defaultExt);

}  // namespace app::tpl
