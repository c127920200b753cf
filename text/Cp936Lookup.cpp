#include <memory>

#include "text/Cp936Table.h"

namespace text {

namespace {

constexpr char16_t kEuroSign = 0x20AC;  // the code page's one single byte above ASCII, 0x80

// Every character's code, made once from the pairs (the table is one to one).
const uint16_t* ReverseTable() {
  static const std::unique_ptr<uint16_t[]> reverse = [] {
    std::unique_ptr<uint16_t[]> r(new uint16_t[0x10000]());
    for (unsigned c = 0; c < 0x80; ++c) r[c] = uint16_t(c);
    r[kEuroSign] = 0x80;
    for (unsigned i = 0; i < kCp936Leads * kCp936Trails; ++i)
      if (kCp936Pairs[i])
        r[kCp936Pairs[i]] =
            uint16_t((kCp936FirstLead + i / kCp936Trails) << 8 | (kCp936FirstTrail + i % kCp936Trails));
    return r;
  }();
  return reverse.get();
}

}  // namespace

char16_t Cp936PairToUnicode(unsigned char lead, unsigned char trail) {
  if (lead < kCp936FirstLead || lead >= kCp936FirstLead + kCp936Leads) return 0;
  if (trail < kCp936FirstTrail || trail >= kCp936FirstTrail + kCp936Trails) return 0;
  return char16_t(kCp936Pairs[(lead - kCp936FirstLead) * kCp936Trails + (trail - kCp936FirstTrail)]);
}

uint16_t UnicodeToCp936(char32_t c) { return c >= 0x80 && c < 0x10000 ? ReverseTable()[c] : 0; }

}  // namespace text
