#include "runtime/win/Gbk.h"

#include <windows.h>

#include "text/GbkText.h"

namespace rt::win {

// The wide API's UTF-16 is wchar_t here; the text library's is char16_t.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");

std::wstring GbkToWide(const char* bytes, size_t length) {
  if (!bytes || length == 0) return std::wstring();
  std::u16string wide = text::GbkToUtf16Lossy(std::string_view(bytes, length));
  return std::wstring(wide.begin(), wide.end());
}

std::wstring GbkToWide(const std::string& text) { return GbkToWide(text.data(), text.size()); }

std::string WideToGbk(const wchar_t* text, size_t length) {
  if (!text || length == 0) return std::string();
  return text::Utf16ToGbkLossy(std::u16string(text, text + length));
}

std::string WideToGbk(const std::wstring& text) { return WideToGbk(text.data(), text.size()); }

bool WideToGbkExact(const std::wstring& text, std::string* out) {
  return text::Utf16ToGbk(std::u16string(text.begin(), text.end()), out);
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
