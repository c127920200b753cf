// The stored lunar calendar tables. Their contents are generated from the ephemeris by
// tools/lunar (see LunarTables.cpp); this header only fixes their shape.
#pragma once

#include <cstdint>

namespace cal {

constexpr int kFirstLunarYear = 1901;
constexpr int kLastLunarYear = 2049;
constexpr int kLunarYearCount = kLastLunarYear - kFirstLunarYear + 1;  // 149

constexpr int kFirstTermYear = 1880;
constexpr int kLastTermYear = 2079;
constexpr int kTermYearCount = kLastTermYear - kFirstTermYear + 1;  // 200
constexpr int kTermsPerYear = 24;
constexpr int kTermRecordSize = 5;  // month, day, hour, minute, second (UTC+8)

// One word per lunar year: its months in order, the leap month in its place, from bit 15
// down; a set bit is a month of 30 days, a clear one a month of 29.
extern const uint16_t kLunarYearTable[kLunarYearCount];

// Four bits per lunar year, the year with an even offset from 1901 in the high nibble:
// 0 for no leap month, otherwise the month the leap month follows.
extern const uint8_t kLeapMonthTable[(kLunarYearCount + 1) / 2];

// For every year, 24 records in term order (小寒 first) of the moment each term begins.
extern const uint8_t kSolarTermTable[kTermYearCount * kTermsPerYear * kTermRecordSize];

}  // namespace cal
