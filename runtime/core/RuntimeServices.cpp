#include "runtime/core/RuntimeServices.h"

#include <cstdlib>

namespace rt {

namespace {
RuntimeServices* g_services = nullptr;
const CommandFn* g_coreCommands = nullptr;
int g_coreCommandCount = 0;
}  // namespace

RuntimeServices& Services() {
  // Application code runs only inside a host; reaching here without one is a bug.
  if (!g_services) std::abort();
  return *g_services;
}

RuntimeServices* SetServices(RuntimeServices* services) {
  RuntimeServices* old = g_services;
  g_services = services;
  return old;
}

void SetCoreCommandTable(const CommandFn* commands, int count) {
  g_coreCommands = commands;
  g_coreCommandCount = commands ? count : 0;
}

CommandFn CoreCommandFunction(CoreCommand command) {
  int i = int(command);
  if (i < 0 || i >= g_coreCommandCount) return nullptr;
  return g_coreCommands[i];
}

DataValue CallCore(CoreCommand command, int argCount, DataValue* args) {
  CommandFn fn = CoreCommandFunction(command);
  if (!fn) return DataValue{};
  return Services().CallCoreCommand(fn, argCount, args);
}

}  // namespace rt
