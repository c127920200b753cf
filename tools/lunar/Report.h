// The accuracy report of the table program: how near midnight the deciding moments fall,
// how far the analytic theory strays from the ephemeris files, Delta-T, and what a
// calendar reckoned in UTC+8 throughout would change.
#pragma once

#include <cstdio>
#include <string>

#include "tools/lunar/Generator.h"

namespace lunar {

bool WriteReport(const Tables& tables, std::FILE* out, std::string& error);

}  // namespace lunar
