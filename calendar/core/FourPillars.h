// Sexagenary (stem-branch) cycle numbers and the four pillars of a moment: year, month,
// day and hour. The pillar year and month change at the solar terms, the day at 23:00.
#pragma once

namespace cal {

// Index 1 (甲子) to 60 (癸亥). Out-of-range indices give 0.
int StemOf(int index);    // 1 to 10
int BranchOf(int index);  // 1 to 12

// The index with this stem and branch; 0 when out of range or of different parity.
int SexagenaryIndex(int stem, int branch);

struct Pillars {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
};

// All 0 for an invalid date-time or one outside 19 February 1901 to the end of 2048.
Pillars FourPillars(double dateTime);

}  // namespace cal
