#include "runtime/core/IntegerConversion.h"

#include <cmath>

#include "runtime/core/RuntimeError.h"

namespace rt {

namespace {
int32_t Truncate(double d) {
  if (std::isnan(d)) return 0;
  if (d >= 2147483647.0) return INT32_MAX;
  if (d <= -2147483648.0) return INT32_MIN;
  return int32_t(d);
}
}  // namespace

int32_t IntegerOf(const DataValue& v) {
  switch (v.type) {
    case tag::kByte: return int32_t(v.low & 0xFF);
    case tag::kShort: return int32_t(int16_t(v.low & 0xFFFF));
    case tag::kInt: return int32_t(v.low);
    case tag::kLong: return int32_t(v.low);
    case tag::kFloat: return Truncate(FloatOf(v));
    case tag::kDouble: return Truncate(DoubleOf(v));
    default: ReportRuntimeError(msg::kNotNumeric, 0);
  }
}

}  // namespace rt
