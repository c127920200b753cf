#include "runtime/core/EventDispatch.h"

#include "runtime/core/RuntimeError.h"

namespace rt {

namespace {

UnitRef g_source;

// Restores the previous source when a handler returns, so a nested event does not leave
// the outer handler without its source.
class SourceScope {
 public:
  explicit SourceScope(UnitRef source) : previous_(g_source) { g_source = source; }
  ~SourceScope() { g_source = previous_; }

 private:
  UnitRef previous_;
};

bool IsTwoWordKind(TypeTag t) {
  return t == tag::kLong || t == tag::kDouble || t == tag::kDateTime || t == tag::kTwoWords;
}

}  // namespace

UnitRef CurrentEventSource() { return g_source; }

DataValue PassedArgument(const TypedEventArg& arg) {
  DataValue v{arg.low, 0, arg.type};
  if (arg.flags & argflag::kLowWordOnly) return v;
  if (arg.type == tag::kByte) {
    v.low = arg.low & 0xFF;
  } else if (arg.type == tag::kShort) {
    v.low = uint32_t(int32_t(int16_t(arg.low & 0xFFFF)));
  } else if (IsTwoWordKind(arg.type) || tag::IsUnit(arg.type) || (arg.flags & argflag::kTwoWords)) {
    v.high = arg.high;
  }
  return v;
}

EventArgs ArgsOfRecord(const EventRecord& record) {
  EventArgs args;
  int n = record.argCount;
  if (n < 0) n = 0;
  if (n > EventRecord::kMaxArgs) n = EventRecord::kMaxArgs;
  args.count = n;
  for (int i = 0; i < n; ++i) args.values[i] = MakeInt(int32_t(record.args[i]));
  return args;
}

EventArgs ArgsOfTypedRecord(const TypedEventRecord& record) {
  EventArgs args;
  int n = record.argCount;
  if (n < 0) n = 0;
  if (n > TypedEventRecord::kMaxArgs) n = TypedEventRecord::kMaxArgs;
  args.count = n;
  for (int i = 0; i < n; ++i) args.values[i] = PassedArgument(record.args[i]);
  return args;
}

HandlerResult DispatchEvent(const EventDirectory& directory, UnitRef ref, int event, const EventArgs& args) {
  if (directory.ErrorDepth() >= 1) return HandlerResult::None();
  if (!directory.IsWindowLoaded(ref.window)) ReportRuntimeError(msg::kEventWindowMissing);
  const UnitTemplate* unit = directory.FindLoadedUnit(ref.window, ref.unit);
  if (!unit) ReportRuntimeError(msg::kEventUnitMissing);

  // Copies share the handlers of the first unit of their chain. Links that go round in
  // a circle name no first unit: the unit then keeps its own handlers.
  const UnitTemplate* raised = unit;
  for (int hops = 0; hops < 4096; ++hops) {
    uint32_t sourceId = directory.CopySourceOf(ref.window, unit->id);
    if (sourceId == 0 || sourceId == unit->id) break;
    const UnitTemplate* source = directory.FindLoadedUnit(ref.window, sourceId);
    if (!source || source->typeId != unit->typeId) break;
    if (source == raised) {
      unit = raised;
      break;
    }
    unit = source;
  }

  uint32_t flags = 0;
  if (!directory.TypeFlags(unit->typeId, &flags) || (flags & (kTypeHasWindow | kTypeMenuItem)) == 0)
    ReportRuntimeError(msg::kEventUnitInvalid);

  EventHandler handler = nullptr;
  if (unit->IsMenuItem()) {
    handler = unit->click.handler;
  } else {
    for (const EventBinding& b : unit->events) {
      if (b.event == event) {
        handler = b.handler;
        break;
      }
    }
  }
  if (!handler) return HandlerResult::None();

  UnitRef source = ref;
  if (source.unit == 0) source.unit = unit->id;
  SourceScope scope(source);
  return handler(args);
}

void DispatchRecord(const EventDirectory& directory, EventRecord* record) {
  HandlerResult r = DispatchEvent(directory, UnitRef{record->windowId, record->unitId}, record->event,
                                  ArgsOfRecord(*record));
  if (r.has) {
    record->hasResult = 1;
    record->result = uint32_t(r.value);
  }
}

void DispatchTypedRecord(const EventDirectory& directory, TypedEventRecord* record) {
  HandlerResult r = DispatchEvent(directory, UnitRef{record->windowId, record->unitId}, record->event,
                                  ArgsOfTypedRecord(*record));
  if (r.has) {
    record->hasResult = 1;
    record->result = r.value;
  }
}

}  // namespace rt
