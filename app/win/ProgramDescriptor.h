// The program descriptor the host reads at start: handler table, constant data,
// template block and the four libraries.
#pragma once

#include "runtime/win/Library.h"

namespace app {

const rt::win::ProgramHeader& ProgramDescriptor();

}  // namespace app
