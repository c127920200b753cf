#include "runtime/core/WindowTemplate.h"

namespace rt {

UnitTemplate* WindowTemplate::FindUnit(uint32_t unitId) {
  for (UnitTemplate& u : units)
    if (u.id == unitId) return &u;
  return nullptr;
}

const UnitTemplate* WindowTemplate::FindUnit(uint32_t unitId) const {
  return const_cast<WindowTemplate*>(this)->FindUnit(unitId);
}

WindowTemplate* TemplateSet::Find(uint32_t windowId) {
  for (WindowTemplate& w : windows)
    if (w.windowId == windowId) return &w;
  return nullptr;
}

const WindowTemplate* TemplateSet::Find(uint32_t windowId) const {
  return const_cast<TemplateSet*>(this)->Find(windowId);
}

}  // namespace rt
