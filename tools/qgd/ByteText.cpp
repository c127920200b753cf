#include "tools/qgd/ByteText.h"

namespace qgd {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::string ToHex(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    uint8_t b = uint8_t(c);
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 0xF];
  }
  return out;
}

bool FromHex(std::string_view hex, std::string* bytes) {
  if (hex.size() % 2) return false;
  bytes->clear();
  bytes->reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    int hi = HexValue(hex[i]), lo = HexValue(hex[i + 1]);
    if (hi < 0 || lo < 0) return false;
    *bytes += char(hi << 4 | lo);
  }
  return true;
}

std::string ToBase64(const uint8_t* bytes, size_t length) {
  std::string out;
  out.reserve((length + 2) / 3 * 4);
  for (size_t i = 0; i < length; i += 3) {
    uint32_t group = uint32_t(bytes[i]) << 16;
    if (i + 1 < length) group |= uint32_t(bytes[i + 1]) << 8;
    if (i + 2 < length) group |= bytes[i + 2];
    out += kBase64[group >> 18 & 63];
    out += kBase64[group >> 12 & 63];
    out += i + 1 < length ? kBase64[group >> 6 & 63] : '=';
    out += i + 2 < length ? kBase64[group & 63] : '=';
  }
  return out;
}

bool FromBase64(std::string_view text, std::vector<uint8_t>* bytes) {
  bytes->clear();
  if (text.size() % 4) return false;
  bytes->reserve(text.size() / 4 * 3);
  for (size_t i = 0; i < text.size(); i += 4) {
    bool last = i + 4 == text.size();
    int pad = 0;
    if (last && text[i + 3] == '=') pad = text[i + 2] == '=' ? 2 : 1;
    uint32_t group = 0;
    for (int k = 0; k < 4; ++k) {
      int v = k >= 4 - pad ? 0 : Base64Value(text[i + k]);
      if (v < 0) return false;
      group = group << 6 | uint32_t(v);
    }
    // Bits the padding leaves unused must be zero, else two texts would give one result.
    if ((pad == 1 && (group & 0xFF)) || (pad == 2 && (group & 0xFFFF))) return false;
    bytes->push_back(uint8_t(group >> 16));
    if (pad < 2) bytes->push_back(uint8_t(group >> 8));
    if (pad < 1) bytes->push_back(uint8_t(group));
  }
  return true;
}

}  // namespace qgd
