#include "calendar/core/LunarNames.h"

namespace cal {
namespace {

// One character per element, so indexing does not depend on the text encoding.
const char* const kMonthDigits[10] = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
const char* const kDayTens[4] = {"初", "十", "廿", "三"};
const char* const kDayUnits[10] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kTermNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

}  // namespace

std::string LunarMonthName(int month, bool leap) {
  if (month < 1 || month > 12) return std::string();
  std::string name = leap ? "闰" : "";
  if (month == 11) return name + "冬月";
  if (month == 12) return name + "腊月";
  return name + kMonthDigits[month - 1] + "月";
}

std::string LunarDayName(int day) {
  if (day < 1 || day > 30) return std::string();
  if (day == 20) return std::string("二") + "十";
  if (day == 30) return std::string("三") + "十";
  return std::string(kDayTens[(day - 1) / 10]) + kDayUnits[(day - 1) % 10];
}

std::string SolarTermName(int term) {
  if (term < 1 || term > 24) return std::string();
  return kTermNames[term - 1];
}

std::string StemBranchText(int stem, int branch) {
  std::string text;
  if (stem >= 1 && stem <= 10) text += kStems[stem - 1];
  if (branch >= 1 && branch <= 12) text += kBranches[branch - 1];
  return text;
}

std::string ZodiacName(int branch) {
  if (branch < 1 || branch > 12) return std::string();
  return kAnimals[branch - 1];
}

}  // namespace cal
