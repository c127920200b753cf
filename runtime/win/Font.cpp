#include "runtime/win/Font.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "runtime/core/PropertyValues.h"
#include "runtime/win/Gbk.h"

namespace rt::win {

namespace {

// The stored record is a little-endian LOGFONTA, laid out alike in 32- and 64-bit builds;
// its fields before the face name are those of a LOGFONTW.
static_assert(sizeof(LOGFONTA) == kFontRecordSize && offsetof(LOGFONTA, lfFaceName) == kFontFaceOffset &&
                  sizeof(LOGFONTA::lfFaceName) == kFontFaceSize,
              "the stored font record is a LOGFONTA");
static_assert(offsetof(LOGFONTW, lfFaceName) == kFontFaceOffset, "the two forms share their fields");

constexpr LONG kNinePoints = -12;  // a 9-point character height on a 96-dpi screen

}  // namespace

bool LogFontFromBytes(const uint8_t* bytes, size_t length, LOGFONTW* out) {
  if (!bytes || length != kFontRecordSize || !out) return false;
  LOGFONTW lf{};
  std::memcpy(&lf, bytes, kFontFaceOffset);

  const char* face = reinterpret_cast<const char*>(bytes + kFontFaceOffset);
  const void* end = std::memchr(face, 0, kFontFaceSize);
  std::string faceName = end ? std::string(face, static_cast<const char*>(end) - face) : std::string();
  if (faceName.empty()) faceName = kDefaultFace;
  std::wstring wide = GbkToWide(faceName);
  if (wide.size() >= LF_FACESIZE) wide.resize(LF_FACESIZE - 1);
  std::memcpy(lf.lfFaceName, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  *out = lf;
  return true;
}

UnitFont::UnitFont(const std::vector<uint8_t>& fontBytes) {
  LOGFONTW lf;
  if (!fontBytes.empty() && LogFontFromBytes(fontBytes.data(), fontBytes.size(), &lf)) {
    owned_ = CreateFontIndirectW(&lf);
  }
}

UnitFont::~UnitFont() {
  if (owned_) DeleteObject(owned_);
}

UnitFont::UnitFont(UnitFont&& other) noexcept : owned_(std::exchange(other.owned_, nullptr)) {}

UnitFont& UnitFont::operator=(UnitFont&& other) noexcept {
  if (this != &other) {
    if (owned_) DeleteObject(owned_);
    owned_ = std::exchange(other.owned_, nullptr);
  }
  return *this;
}

HFONT UnitFont::Handle() const { return owned_ ? owned_ : DefaultGuiFont(); }

HFONT DefaultGuiFont() {
  static HFONT font = [] {
    HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW lf{};
    if (!GetObjectW(stock, sizeof(lf), &lf) || lf.lfCharSet == GB2312_CHARSET) return stock;
    // All of the program's text is Chinese: where the system's GUI font is not, take
    // the Chinese GUI face at its usual 9 points instead of showing empty boxes.
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfHeight = kNinePoints;
    std::wstring face = GbkToWide(kDefaultFace);
    std::memcpy(lf.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
    HFONT made = CreateFontIndirectW(&lf);
    return made ? made : stock;
  }();
  return font;
}

}  // namespace rt::win
