// How application handlers are called: the host hands a handler the event's arguments
// and takes back an optional result (window event 1 uses it to refuse a close).
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/core/DataValue.h"

namespace rt {

struct EventArgs {
  static constexpr int kMax = 12;
  int count = 0;
  DataValue values[kMax];
};

struct HandlerResult {
  bool has = false;     // the handler returned a value
  uint64_t value = 0;   // one word, or two in the typed form
  static HandlerResult None() { return {}; }
  static HandlerResult Of(uint64_t v) { return {true, v}; }
};

using EventHandler = HandlerResult (*)(const EventArgs& args);

// The application's handler code: templates name handlers by an offset counted in
// entries from the start of this table (offset 0 is the first handler; -1 is none).
struct HandlerTable {
  const EventHandler* entries = nullptr;
  size_t count = 0;
};

}  // namespace rt
