// Fonts of the core controls: the stored 60-byte LOGFONTA record (GBK face name) made
// into a platform font through the wide API, or the GUI default font.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rt::win {

// Reads a stored LOGFONTA record into a LOGFONTW. False unless `length` is 60. A face
// name that does not end within its 32 bytes, or is empty, becomes "宋体".
bool LogFontFromBytes(const uint8_t* bytes, size_t length, LOGFONTW* out);

// The GUI default font: the system's, or a Chinese face of the same role where the
// system's font has no Chinese characters. Shared, never deleted.
HFONT DefaultGuiFont();

// A unit's font: owned when made from a record, else the GUI default font.
class UnitFont {
 public:
  UnitFont() = default;
  // Empty bytes, a bad record or a failed creation give the default font.
  explicit UnitFont(const std::vector<uint8_t>& fontBytes);
  ~UnitFont();
  UnitFont(UnitFont&& other) noexcept;
  UnitFont& operator=(UnitFont&& other) noexcept;
  UnitFont(const UnitFont&) = delete;
  UnitFont& operator=(const UnitFont&) = delete;

  HFONT Handle() const;  // never null
  bool IsDefault() const { return owned_ == nullptr; }

 private:
  HFONT owned_ = nullptr;
};

}  // namespace rt::win
