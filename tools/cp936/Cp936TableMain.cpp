// Writes text/Cp936Table.cpp: the UTF-16 code of every GBK double-byte pair as the C
// library's CP936 converter reads it. The user-defined areas, which that converter
// refuses (and Windows maps to private-use characters), stay out: no platform then
// reads a text the others refuse. Usage: cp936_table OUTPUT
#include <iconv.h>

#include <cstdint>
#include <cstdio>

namespace {

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE, kFirstTrail = 0x40, kLastTrail = 0xFE;

// The one UTF-16 unit a byte pair reads as, 0 when it is no character.
unsigned PairToUnicode(iconv_t cd, unsigned lead, unsigned trail) {
  char in[2] = {char(lead), char(trail)};
  uint16_t out[4] = {};
  char* src = in;
  char* dst = reinterpret_cast<char*>(out);
  size_t srcLeft = 2, dstLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == size_t(-1) || srcLeft != 0) return 0;
  if (sizeof out - dstLeft != 2) return 0;
  unsigned unit = out[0];
  return unit >= 0xE000 && unit <= 0xF8FF ? 0 : unit;
}

void WriteHeader(FILE* f) {
  std::fputs(
      "// Code page 936: the UTF-16 code of every GBK double-byte pair, 0 where a pair is no\n"
      "// character (the user-defined areas among them). Made by tools/cp936 from the C\n"
      "// library's converter: regenerate, do not edit.\n"
      "#include \"text/Cp936Table.h\"\n\n"
      "namespace text {\n\n"
      "// [(lead - 0x81) * 191 + (trail - 0x40)]\n"
      "// clang-format off\n"
      "const uint16_t kCp936Pairs[kCp936Leads * kCp936Trails] = {\n",
      f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cp936_table OUTPUT\n");
    return 2;
  }
  iconv_t cd = iconv_open("UTF-16LE", "CP936");
  if (cd == iconv_t(-1)) {
    std::perror("iconv_open CP936");
    return 1;
  }
  FILE* f = std::fopen(argv[1], "wb");
  if (!f) {
    std::perror(argv[1]);
    return 1;
  }
  WriteHeader(f);
  for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
    std::fprintf(f, "    // 0x%02X\n", lead);
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      bool first = (trail - kFirstTrail) % 12 == 0,
           last = trail == kLastTrail || (trail - kFirstTrail) % 12 == 11;
      std::fprintf(f, "%s0x%04X,%s", first ? "    " : "", PairToUnicode(cd, lead, trail), last ? "\n" : " ");
    }
  }
  std::fputs("};\n// clang-format on\n\n}  // namespace text\n", f);
  iconv_close(cd);
  return std::fclose(f) == 0 ? 0 : 1;
}
