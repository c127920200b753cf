// The few file operations the grid needs, with GBK paths. The one file of the core
// that knows the platform: Windows wants wide paths and MoveFileEx to replace a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace grid {

// The whole file; false when it cannot be read or is larger than maxBytes.
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>* bytes);

// Writes the bytes to a temporary file beside `path`, flushes it to the disk and only
// then puts it in place of `path`. On any failure the temporary file is removed, an
// existing file at `path` is untouched, and the result is false.
bool ReplaceFileContents(const std::string& path, const uint8_t* data, size_t size);

// Holds the file at `path` (made when missing) for this process alone until destroyed,
// waiting up to `waitMs` for another holder, in this process or another; held() says
// whether it got it. Programs that read, change and write back a shared file take it
// first, so neither writes over what the other has just added.
class FileLock {
 public:
  FileLock(const std::string& path, int waitMs);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool held() const { return held_; }

 private:
  bool held_ = false;
  intptr_t handle_ = -1;
};

}  // namespace grid
