// Turning a unit event into a call of the application handler bound to it.
//
// The rules: events are dropped while the error depth is 1 or more; the window must be
// loaded and the unit one of its units, else the runtime error box; a copy of a unit
// runs the handlers of the unit it was copied from; the unit's type must be able to
// raise events; the first (event, handler) pair with the event's number wins; while the
// handler runs, the event's window and unit are the current event source.
#pragma once

#include <cstdint>

#include "runtime/core/DataValue.h"
#include "runtime/core/EventHandler.h"
#include "runtime/core/WindowTemplate.h"

namespace rt {

//--- Event records as units and libraries hand them to the host ---------------------

// Untyped form: up to five argument words.
struct EventRecord {
  static constexpr int kMaxArgs = 5;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  int32_t event = 0;
  int32_t argCount = 0;
  uint32_t args[kMaxArgs] = {};
  int32_t hasResult = 0;  // set by the host
  uint32_t result = 0;
};

namespace argflag {
constexpr uint32_t kLowWordOnly = 1;  // pass the low word alone, unconverted
constexpr uint32_t kTwoWords = 2;     // pass both words
}  // namespace argflag

struct TypedEventArg {
  uint32_t low = 0;
  uint32_t high = 0;
  TypeTag type = 0;
  uint32_t flags = 0;
};

// Typed form: up to twelve arguments of four words each, and a 64-bit result.
struct TypedEventRecord {
  static constexpr int kMaxArgs = 12;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  int32_t event = 0;
  int32_t argCount = 0;
  TypedEventArg args[kMaxArgs] = {};
  int32_t hasResult = 0;
  uint64_t result = 0;
};

// The handler's view of the arguments: untyped words arrive as integers; typed ones
// widened by their type (byte unsigned, short signed, two words for 64-bit kinds and
// units, one word otherwise).
EventArgs ArgsOfRecord(const EventRecord& record);
EventArgs ArgsOfTypedRecord(const TypedEventRecord& record);
DataValue PassedArgument(const TypedEventArg& arg);

//--- What the dispatcher needs to know of the host -----------------------------------

constexpr uint32_t kTypeHasWindow = 0x40;
constexpr uint32_t kTypeMenuItem = 0x04;

class EventDirectory {
 public:
  virtual ~EventDirectory() = default;
  virtual int ErrorDepth() const = 0;
  // Whether the window is in the loaded-window list.
  virtual bool IsWindowLoaded(uint32_t windowId) const = 0;
  // The unit in that window's unit list (unit id 0 = the window's own unit), or null.
  virtual const UnitTemplate* FindLoadedUnit(uint32_t windowId, uint32_t unitId) const = 0;
  // For a copy of another unit: the id of the unit it was copied from; 0 otherwise.
  virtual uint32_t CopySourceOf(uint32_t windowId, uint32_t unitId) const { return 0; }
  // The flags of a unit type; false when the type is unknown.
  virtual bool TypeFlags(uint32_t typeId, uint32_t* flags) const = 0;
};

// Finds and calls the handler. Returns whether it returned a value, and the value.
HandlerResult DispatchEvent(const EventDirectory& directory, UnitRef ref, int event, const EventArgs& args);

// The record forms: fill in hasResult and result.
void DispatchRecord(const EventDirectory& directory, EventRecord* record);
void DispatchTypedRecord(const EventDirectory& directory, TypedEventRecord* record);

// The unit whose event is being handled (commands that act on "the unit that raised the
// event" read it). Outside any handler both ids are 0.
UnitRef CurrentEventSource();

}  // namespace rt
