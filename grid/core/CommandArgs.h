// Reading command arguments: present or not, integer, text, logic; and the grid the
// first argument names. Used by the grid commands only.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "grid/core/GridModel.h"
#include "runtime/core/DataValue.h"

namespace grid {

class CommandArgs {
 public:
  CommandArgs(int count, const rt::DataValue* args) : count_(args ? count : 0), args_(args) {}

  // The grid of args[0]; raises the runtime error when it resolves to nothing.
  GridModel& Grid() const;

  bool Present(int i) const { return i < count_ && args_[i].type != rt::tag::kNone; }
  rt::TypeTag Tag(int i) const { return i < count_ ? args_[i].type : rt::tag::kNone; }
  const rt::DataValue& At(int i) const { return args_[i]; }
  // A numeric argument as an integer (floats truncated); nothing for other types.
  std::optional<int32_t> Int(int i) const;
  std::optional<std::string_view> Text(int i) const;
  std::optional<bool> Logic(int i) const;

 private:
  int count_;
  const rt::DataValue* args_;
};

}  // namespace grid
