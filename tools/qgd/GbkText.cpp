#include "tools/qgd/GbkText.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace qgd {

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Walks UTF-8; false for malformed input (overlong forms, surrogates, beyond U+10FFFF)
// or a private-use character.
bool CheckUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    uint8_t b = uint8_t(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || b > 0xF4 || i + size_t(extra) >= s.size()) return false;
    uint32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      uint8_t t = uint8_t(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      cp = cp << 6 | (t & 0x3F);
    }
    static const uint32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    if (cp >= 0xE000 && cp <= 0xF8FF) return false;
    i += size_t(extra) + 1;
  }
  return true;
}

//--- The platform's converter ------------------------------------------------------

#ifdef _WIN32

constexpr UINT kGbk = 936;

bool Convert(UINT fromPage, UINT toPage, std::string_view in, std::string* out) {
  if (in.size() > 0x3FFFFFFF) return false;
  int n = MultiByteToWideChar(fromPage, MB_ERR_INVALID_CHARS, in.data(), int(in.size()), nullptr, 0);
  if (n <= 0) return false;
  std::wstring wide(size_t(n), L'\0');
  if (MultiByteToWideChar(fromPage, MB_ERR_INVALID_CHARS, in.data(), int(in.size()), &wide[0], n) != n)
    return false;
  for (wchar_t w : wide)
    if (w >= 0xE000 && w <= 0xF8FF) return false;
  DWORD flags = toPage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = toPage == CP_UTF8 ? nullptr : &usedDefault;
  int m = WideCharToMultiByte(toPage, flags, wide.data(), n, nullptr, 0, nullptr, usedDefaultOut);
  if (m <= 0 || usedDefault) return false;
  out->assign(size_t(m), '\0');
  if (WideCharToMultiByte(toPage, flags, wide.data(), n, &(*out)[0], m, nullptr, usedDefaultOut) != m)
    return false;
  return !usedDefault;
}

bool PlatformGbkToUtf8(std::string_view gbk, std::string* utf8) { return Convert(kGbk, CP_UTF8, gbk, utf8); }
bool PlatformUtf8ToGbk(std::string_view utf8, std::string* gbk) { return Convert(CP_UTF8, kGbk, utf8, gbk); }

#else

// One descriptor per direction for the whole run; each use starts from its initial state.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (cd_ != iconv_t(-1)) iconv_close(cd_);
  }
  bool Run(std::string_view in, std::string* out) {
    if (cd_ == iconv_t(-1)) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out->assign(in.size() * 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t done = 0;
    while (srcLeft > 0) {
      char* dst = &(*out)[done];
      size_t dstLeft = out->size() - done;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      done = out->size() - dstLeft;
      if (r != size_t(-1)) break;
      if (errno != E2BIG) return false;  // EILSEQ or EINVAL (cut short)
      out->resize(out->size() * 2);
    }
    out->resize(done);
    return srcLeft == 0;
  }

 private:
  iconv_t cd_;
};

bool PlatformGbkToUtf8(std::string_view gbk, std::string* utf8) {
  static Iconv converter("UTF-8", "CP936");
  return converter.Run(gbk, utf8) && CheckUtf8(*utf8);
}
bool PlatformUtf8ToGbk(std::string_view utf8, std::string* gbk) {
  static Iconv converter("CP936", "UTF-8");
  return converter.Run(utf8, gbk);
}

#endif

}  // namespace

bool GbkToUtf8(std::string_view gbk, std::string* utf8) {
  if (IsAscii(gbk)) {
    utf8->assign(gbk);
    return true;
  }
  std::string back;
  return PlatformGbkToUtf8(gbk, utf8) && PlatformUtf8ToGbk(*utf8, &back) && back == gbk;
}

bool Utf8ToGbk(std::string_view utf8, std::string* gbk) {
  if (IsAscii(utf8)) {
    gbk->assign(utf8);
    return true;
  }
  if (!CheckUtf8(utf8)) return false;
  std::string back;
  return PlatformUtf8ToGbk(utf8, gbk) && PlatformGbkToUtf8(*gbk, &back) && back == utf8;
}

std::string GbkToUtf8Lossy(std::string_view gbk) {
  std::string whole;
  if (GbkToUtf8(gbk, &whole)) return whole;
  // Character by character: ASCII, then a lead byte with its trail, then one byte.
  std::string out, piece;
  size_t i = 0;
  while (i < gbk.size()) {
    uint8_t b = uint8_t(gbk[i]);
    if (b < 0x80) {
      out += char(b);
      ++i;
    } else if (i + 1 < gbk.size() && GbkToUtf8(gbk.substr(i, 2), &piece)) {
      out += piece;
      i += 2;
    } else if (GbkToUtf8(gbk.substr(i, 1), &piece)) {
      out += piece;
      ++i;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return out;
}

}  // namespace qgd
