// Test seam: turns the runtime error box into an exception the test can inspect.
#pragma once

#include <string>

#include "runtime/core/RuntimeError.h"

namespace rt {

struct RuntimeErrorRaised {
  std::string message;
  int code;
};

// Installs itself for its lifetime; the previous reporter comes back afterwards.
class ThrowingReporter {
 public:
  ThrowingReporter() : previous_(SetRuntimeErrorReporter(&Throw)) {}
  ~ThrowingReporter() { SetRuntimeErrorReporter(previous_); }

 private:
  static void Throw(const char* message, int code) { throw RuntimeErrorRaised{message, code}; }
  RuntimeErrorReporter previous_;
};

}  // namespace rt
