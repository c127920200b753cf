#include "book/win/NoteBookLocation.h"

#include <windows.h>
#include <shlobj.h>

#include "text/GbkText.h"

namespace book::win {

std::string UserNoteBookPath() {
  wchar_t base[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base)))
    return std::string();
  std::wstring folder = std::wstring(base) + L"\\NoteWriter";
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return std::string();
  const std::wstring path = folder + L"\\notebook.db";
  return text::Utf16ToUtf8(std::u16string(path.begin(), path.end()));
}

}  // namespace book::win
