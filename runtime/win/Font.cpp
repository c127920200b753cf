#include "runtime/win/Font.h"

#include <cstring>
#include <string>
#include <utility>

#include "runtime/win/Gbk.h"

namespace rt::win {

namespace {

constexpr size_t kRecordSize = 60;
constexpr size_t kFaceOffset = 28;
constexpr size_t kFaceSize = 32;

int32_t ReadInt(const uint8_t* p) {
  return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

}  // namespace

bool LogFontFromBytes(const uint8_t* bytes, size_t length, LOGFONTW* out) {
  if (!bytes || length != kRecordSize || !out) return false;
  LOGFONTW lf{};
  lf.lfHeight = ReadInt(bytes);
  lf.lfWidth = ReadInt(bytes + 4);
  lf.lfEscapement = ReadInt(bytes + 8);
  lf.lfOrientation = ReadInt(bytes + 12);
  lf.lfWeight = ReadInt(bytes + 16);
  lf.lfItalic = bytes[20];
  lf.lfUnderline = bytes[21];
  lf.lfStrikeOut = bytes[22];
  lf.lfCharSet = bytes[23];
  lf.lfOutPrecision = bytes[24];
  lf.lfClipPrecision = bytes[25];
  lf.lfQuality = bytes[26];
  lf.lfPitchAndFamily = bytes[27];

  const char* face = reinterpret_cast<const char*>(bytes + kFaceOffset);
  const void* end = std::memchr(face, 0, kFaceSize);
  std::string faceName = end ? std::string(face, static_cast<const char*>(end) - face) : std::string();
  if (faceName.empty()) faceName = "宋体";
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
    lf.lfHeight = -12;
    std::wstring face = GbkToWide("宋体");
    std::memcpy(lf.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
    HFONT made = CreateFontIndirectW(&lf);
    return made ? made : stock;
  }();
  return font;
}

}  // namespace rt::win
