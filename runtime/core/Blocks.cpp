#include "runtime/core/Blocks.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/core/RuntimeError.h"

namespace rt {

namespace {

// One zero byte, then the empty byte set directly behind it (unaligned on purpose).
const uint8_t kSharedEmpty[9] = {0, 1, 0, 0, 0, 0, 0, 0, 0};

struct Range {
  const uint8_t* start;
  const uint8_t* end;
};

std::mutex g_rangesLock;

std::vector<Range>& Ranges() {
  static std::vector<Range> ranges{{kSharedEmpty, kSharedEmpty + sizeof(kSharedEmpty)}};
  return ranges;
}

[[noreturn]] void AllocationFailed(size_t size) {
  // The pattern's %d takes the size in full, also beyond the int range.
  std::string text = msg::kAllocateFailed;
  text.replace(text.find("%d"), 2, std::to_string(size));
  ReportRuntimeError(text.c_str(), 0);
}

}  // namespace

const char* SharedEmptyText() { return reinterpret_cast<const char*>(kSharedEmpty); }
const void* SharedEmptyByteSet() { return kSharedEmpty + 1; }

void AddConstantRange(const void* start, size_t length) {
  const uint8_t* s = static_cast<const uint8_t*>(start);
  std::lock_guard<std::mutex> hold(g_rangesLock);
  Ranges().push_back({s, s + length});
}

const uint8_t* ConstantRangeEnd(const void* p) {
  const uint8_t* b = static_cast<const uint8_t*>(p);
  std::lock_guard<std::mutex> hold(g_rangesLock);
  for (const Range& r : Ranges())
    if (b >= r.start && b < r.end) return r.end;
  return nullptr;
}

void* AllocateBlock(size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) AllocationFailed(size);
  return p;
}

void* ReallocateBlock(void* block, size_t size) {
  if (!block) return AllocateBlock(size);
  if (const uint8_t* end = ConstantRangeEnd(block)) {
    void* fresh = AllocateBlock(size);
    size_t available = size_t(end - static_cast<const uint8_t*>(block));
    std::memcpy(fresh, block, size < available ? size : available);
    return fresh;
  }
  void* p = std::realloc(block, size ? size : 1);
  if (!p) AllocationFailed(size);
  return p;
}

void FreeBlock(void* block) {
  if (!block || ConstantRangeEnd(block)) return;
  std::free(block);
}

char* NewText(const char* bytes, size_t length) {
  char* p = static_cast<char*>(AllocateBlock(length + 1));
  if (length) std::memcpy(p, bytes, length);
  p[length] = 0;
  return p;
}

char* NewText(const std::string& s) { return NewText(s.data(), s.size()); }

void* NewByteSet(const void* bytes, size_t length) {
  uint8_t* p = static_cast<uint8_t*>(AllocateBlock(8 + length));
  int32_t header[2] = {1, int32_t(length)};
  std::memcpy(p, header, 8);
  if (length) std::memcpy(p + 8, bytes, length);
  return p;
}

const uint8_t* ByteSetData(const void* block, size_t* length) {
  *length = 0;
  if (!block) return nullptr;
  const uint8_t* p = static_cast<const uint8_t*>(block);
  int32_t dims, count;
  std::memcpy(&dims, p, 4);
  if (dims != 1) return nullptr;
  std::memcpy(&count, p + 4, 4);
  if (count < 0) return nullptr;
  *length = size_t(count);
  return p + 8;
}

}  // namespace rt
