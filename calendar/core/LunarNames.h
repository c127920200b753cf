// Names of lunar months and days, solar terms, stems and branches, and zodiac animals
// (GBK text). Numbers out of range give the empty text.
#pragma once

#include <string>

namespace cal {

// 正月 … 十月, 冬月, 腊月; "闰" in front for a leap month.
std::string LunarMonthName(int month, bool leap);

// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十.
std::string LunarDayName(int day);

// Terms 1 (小寒) to 24 (冬至).
std::string SolarTermName(int term);

// The stem (1 to 10) followed by the branch (1 to 12); a number out of range adds nothing.
std::string StemBranchText(int stem, int branch);

// The animal of a branch 1 to 12.
std::string ZodiacName(int branch);

}  // namespace cal
