#include "grid/core/PlatformFile.h"

#include <cstdio>
#include <new>

#include "text/GbkText.h"

#ifdef _WIN32
#include <windows.h>
#include <io.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace grid {

namespace {

#ifdef _WIN32
std::wstring Wide(const std::string& gbk) {
  std::u16string wide = text::GbkToUtf16Lossy(gbk);
  return std::wstring(wide.begin(), wide.end());
}
FILE* Open(const std::string& path, const wchar_t* mode) { return _wfopen(Wide(path).c_str(), mode); }
bool FlushToDisk(FILE* f) { return std::fflush(f) == 0 && _commit(_fileno(f)) == 0; }
bool Replace(const std::string& from, const std::string& to) {
  return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void Remove(const std::string& path) { _wremove(Wide(path).c_str()); }
#define GRID_MODE(m) L##m
#else
FILE* Open(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }
bool FlushToDisk(FILE* f) { return std::fflush(f) == 0 && fsync(fileno(f)) == 0; }
bool Replace(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}
void Remove(const std::string& path) { std::remove(path.c_str()); }
#define GRID_MODE(m) m
#endif

}  // namespace

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>* bytes) {
  bytes->clear();
  if (path.empty()) return false;
  FILE* f = Open(path, GRID_MODE("rb"));
  if (!f) return false;
  bool ok = false;
  try {
    // Read at once when the size is known; chunk by chunk otherwise.
    if (std::fseek(f, 0, SEEK_END) == 0) {
      long size = std::ftell(f);
      if (size >= 0 && uint64_t(size) <= maxBytes) bytes->reserve(size_t(size));
      std::fseek(f, 0, SEEK_SET);
    }
    uint8_t chunk[65536];
    size_t n;
    ok = true;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
      if (bytes->size() + n > maxBytes) {
        ok = false;
        break;
      }
      bytes->insert(bytes->end(), chunk, chunk + n);
    }
    if (std::ferror(f)) ok = false;
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  std::fclose(f);
  if (!ok) std::vector<uint8_t>().swap(*bytes);
  return ok;
}

bool ReplaceFileContents(const std::string& path, const uint8_t* data, size_t size) {
  if (path.empty()) return false;
  std::string temporary = path + ".saving~";
  FILE* f = Open(temporary, GRID_MODE("wb"));
  if (!f) return false;
  bool ok = (size == 0 || std::fwrite(data, 1, size, f) == size) && FlushToDisk(f);
  ok = std::fclose(f) == 0 && ok;
  if (ok) ok = Replace(temporary, path);
  if (!ok) Remove(temporary);
  return ok;
}

#ifdef _WIN32
FileLock::FileLock(const std::string& path, int waitMs) {
  for (int waited = 0;; waited += 50) {
    // Opened to share with nobody: a second opener is refused until this one closes.
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      handle_ = intptr_t(h);
      held_ = true;
      return;
    }
    if (GetLastError() != ERROR_SHARING_VIOLATION || waited >= waitMs) return;
    Sleep(50);
  }
}

FileLock::~FileLock() {
  if (held_) CloseHandle(HANDLE(handle_));
}
#else
FileLock::FileLock(const std::string& path, int waitMs) {
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return;
  for (int waited = 0;; waited += 50) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      handle_ = fd;
      held_ = true;
      return;
    }
    if (waited >= waitMs) break;
    usleep(50 * 1000);
  }
  close(fd);
}

FileLock::~FileLock() {
  if (held_) close(int(handle_));
}
#endif

}  // namespace grid
