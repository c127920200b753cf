// Code page 936 (GBK) as a table, the same on every platform.
#pragma once

#include <cstdint>

namespace text {

constexpr unsigned kCp936FirstLead = 0x81;
constexpr unsigned kCp936Leads = 126;  // 0x81..0xFE
constexpr unsigned kCp936FirstTrail = 0x40;
constexpr unsigned kCp936Trails = 191;  // 0x40..0xFE; 0x7F is never a character

extern const uint16_t kCp936Pairs[kCp936Leads * kCp936Trails];

// The character a lead and a trail byte make, 0 when they make none.
char16_t Cp936PairToUnicode(unsigned char lead, unsigned char trail);

// The GBK code of a character above ASCII: 0x80 for the euro sign, else lead << 8 | trail;
// 0 when GBK has no code for it.
uint16_t UnicodeToCp936(char32_t c);

}  // namespace text
