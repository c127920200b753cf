#include "runtime/core/CoreValueCommands.h"

#include "runtime/core/Blocks.h"
#include "runtime/core/DateTime.h"
#include "runtime/core/ValueConversions.h"

namespace rt {

namespace {

DataValue Argument(int argCount, const DataValue* args, int index) {
  if (!args || index >= argCount) return DataValue{};
  return args[index];
}

void SetText(DataValue* result, const std::string& text) { *result = MakeTextPointer(NewText(text)); }

// A date-time or double travels as its bits; other numeric kinds are converted.
double DateTimeArgument(const DataValue& v) {
  if (v.type == tag::kDateTime || v.type == tag::kDouble) return DoubleOf(v);
  return ToNumberValue(v);
}

}  // namespace

void CmdToNumber(DataValue* result, int argCount, DataValue* args) {
  *result = MakeDouble(ToNumberValue(Argument(argCount, args, 0)));
}

void CmdToText(DataValue* result, int argCount, DataValue* args) {
  SetText(result, ToTextValue(Argument(argCount, args, 0)));
}

void CmdNumberToCapital(DataValue* result, int argCount, DataValue* args) {
  // The number is a double; any other numeric kind a caller passes is converted, not
  // reinterpreted.
  const double number = ToNumberValue(Argument(argCount, args, 0));
  const DataValue simple = Argument(argCount, args, 1);
  SetText(result, NumberToCapitalText(number, simple.type != tag::kNone && simple.low != 0));
}

void CmdDatePart(DataValue* result, int argCount, DataValue* args) {
  *result = MakeDateTime(DatePartValue(DateTimeArgument(Argument(argCount, args, 0))));
}

}  // namespace rt
