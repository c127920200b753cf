#include "runtime/win/Gbk.h"

#include <windows.h>

#include <climits>

namespace rt::win {

std::wstring GbkToWide(const char* bytes, size_t length) {
  if (!bytes || length == 0 || length > size_t(INT_MAX)) return std::wstring();
  int n = MultiByteToWideChar(kGbkCodePage, 0, bytes, int(length), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(size_t(n), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, bytes, int(length), &out[0], n);
  return out;
}

std::wstring GbkToWide(const std::string& text) { return GbkToWide(text.data(), text.size()); }

static bool Convert(const wchar_t* text, size_t length, std::string* out) {
  out->clear();
  if (!text || length == 0 || length > size_t(INT_MAX) / 2) return true;
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(kGbkCodePage, 0, text, int(length), nullptr, 0, nullptr, &usedDefault);
  if (n <= 0) return false;
  out->assign(size_t(n), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, text, int(length), &(*out)[0], n, nullptr, &usedDefault);
  return !usedDefault;
}

std::string WideToGbk(const wchar_t* text, size_t length) {
  std::string out;
  Convert(text, length, &out);
  return out;
}

std::string WideToGbk(const std::wstring& text) { return WideToGbk(text.data(), text.size()); }

bool WideToGbkExact(const std::wstring& text, std::string* out) {
  return Convert(text.data(), text.size(), out);
}

std::string WindowTextGbk(HWND h) {
  if (!h || !IsWindow(h)) return std::string();
  int n = GetWindowTextLengthW(h);
  if (n <= 0) return std::string();
  std::wstring buffer(size_t(n) + 1, L'\0');
  int got = GetWindowTextW(h, &buffer[0], n + 1);
  return WideToGbk(buffer.data(), size_t(got > 0 ? got : 0));
}

}  // namespace rt::win
