// Dates as the note book writes them ("YYYY-MM-DD") and as the date boxes hold them.
#pragma once

#include <cstdint>
#include <string>

namespace app {

std::string TodayText();  // the local date
double TodayDateTime();
std::string NowText();  // the local date and time, "YYYY-MM-DD HH:MM:SS"
std::string DateBoxText(uint32_t windowId, uint32_t dateBoxId);
void SetDateBox(uint32_t windowId, uint32_t dateBoxId, double dateTime);

}  // namespace app
