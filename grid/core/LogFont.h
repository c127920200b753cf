// The 60-byte logical font record (the Windows LOGFONTA layout) and the pool that
// lets a million cells share a handful of fonts.
#pragma once

#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace grid {

struct LogFont {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  char faceName[32] = {};

  // The face up to its terminator (at most 32 bytes).
  std::string_view Face() const { return std::string_view(faceName, strnlen(faceName, sizeof faceName)); }
  // Copies at most 31 bytes and zero-pads the rest.
  void SetFace(std::string_view face);

  bool operator==(const LogFont& o) const { return std::memcmp(this, &o, sizeof *this) == 0; }
  bool operator!=(const LogFont& o) const { return !(*this == o); }
};
static_assert(sizeof(LogFont) == 60, "LogFont is the 60-byte LOGFONTA record");

// The font a new grid starts with until the window layer hands it the system's.
LogFont DefaultGridFont();

// The comparison the grid file uses to decide whether a cell has a font of its own:
// face (as bytes), height, weight, italic, underline and strike-out.
bool SameVisibleFont(const LogFont& a, const LogFont& b);

// Interned fonts with stable addresses. Faces are normalised (zeroes after the
// terminator) so equal fonts share one entry.
class FontPool {
 public:
  const LogFont* Intern(const LogFont& font);
  size_t Size() const { return fonts_.size(); }
  // Only when no cell points into the pool any more.
  void Clear();

 private:
  std::deque<LogFont> fonts_;
  std::unordered_map<std::string, const LogFont*> index_;
};

}  // namespace grid
