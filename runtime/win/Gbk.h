// GBK (code page 936) <-> UTF-16 at the Win32 boundary, by the text library's table, so
// the windows read and write texts as the book and the tools do. All text inside the
// program is GBK bytes; only the wide API calls see UTF-16.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace rt::win {

// Bytes that start no GBK character become U+FFFD, one for each byte.
std::wstring GbkToWide(const char* bytes, size_t length);
std::wstring GbkToWide(const std::string& text);

// Characters without a GBK form become '?'.
std::string WideToGbk(const wchar_t* text, size_t length);
std::string WideToGbk(const std::wstring& text);

// Like WideToGbk, but false when some character has no GBK form (a file name that
// could not be found again by its GBK spelling, for instance).
bool WideToGbkExact(const std::wstring& text, std::string* out);

// Text of a window (GetWindowTextW) as GBK; empty for no window.
std::string WindowTextGbk(HWND hwnd);

}  // namespace rt::win
