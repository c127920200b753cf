#include "book/win/NoteBookLocation.h"

#include <windows.h>
#include <shlobj.h>

namespace book::win {

namespace {

std::string Utf8Of(const std::wstring& wide) {
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), int(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), int(wide.size()), &out[0], n, nullptr, nullptr);
  return out;
}

}  // namespace

std::string UserNoteBookPath() {
  wchar_t base[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base)))
    return std::string();
  std::wstring folder = std::wstring(base) + L"\\NoteWriter";
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
  return Utf8Of(folder + L"\\notebook.db");
}

}  // namespace book::win
