#include "app/win/SettingsFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/core/BookPlaceSettings.h"
#include "app/core/PrintSettings.h"
#include "text/GbkText.h"

namespace app::win {

namespace {

constexpr DWORD kMostBytes = 1 << 20;  // a settings file is a few hundred bytes

std::wstring FolderPath() {
  wchar_t base[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base)))
    return std::wstring();
  return std::wstring(base) + L"\\NoteWriter";
}

std::wstring SettingsPath(const wchar_t* name) {
  std::wstring folder = FolderPath();
  return folder.empty() ? folder : folder + L"\\" + name;
}

// The file's text as GBK ("" when it is missing or cannot be read). Whatever the
// system's code page: UTF-8 in the file, GBK inside.
std::string ReadSettingsText(const wchar_t* name) {
  HANDLE file = CreateFileW(SettingsPath(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  DWORD size = GetFileSize(file, nullptr);
  std::string bytes;
  if (size != INVALID_FILE_SIZE && size <= kMostBytes) {
    bytes.resize(size);
    DWORD read = 0;
    if (!ReadFile(file, bytes.empty() ? nullptr : &bytes[0], size, &read, nullptr)) read = 0;
    bytes.resize(read);
  }
  CloseHandle(file);
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  return text::Utf8ToGbkLossy(bytes);
}

bool WriteSettingsText(const wchar_t* name, const std::string& gbkText) {
  std::wstring folder = FolderPath();
  if (folder.empty()) return false;
  CreateDirectoryW(folder.c_str(), nullptr);
  std::string utf8 = text::GbkToUtf8Lossy(gbkText);
  HANDLE file = CreateFileW(SettingsPath(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, utf8.data(), DWORD(utf8.size()), &written, nullptr) && written == utf8.size();
  CloseHandle(file);
  return ok;
}

}  // namespace

void LoadPrintSettingsFile() {
  print::CurrentPrintSettings() = print::ParsePrintSettings(ReadSettingsText(L"print.ini"));
}

bool SavePrintSettingsFile(const std::string& gbkText) { return WriteSettingsText(L"print.ini", gbkText); }

void LoadBookPlaceFile() {
  CurrentBookPlaceSettings() = ParseBookPlaceSettings(ReadSettingsText(L"book.ini"));
}

bool SaveBookPlaceFile(const std::string& gbkText) { return WriteSettingsText(L"book.ini", gbkText); }

}  // namespace app::win
