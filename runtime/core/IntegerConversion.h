// The host's integer conversion, used for property values and command arguments that
// must be integers (host callback 2001).
#pragma once

#include <cstdint>

#include "runtime/core/DataValue.h"

namespace rt {

// byte unsigned, short signed, integer as is, long by its low 32 bits, float and double
// truncated toward zero (saturated at the int32 range, where a plain cast is undefined);
// any other type raises "欲转换数据类型不是数值".
int32_t IntegerOf(const DataValue& v);

}  // namespace rt
