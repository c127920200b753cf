// A cell's text in 24 bytes: up to 23 bytes are held inline, a longer text gets one
// heap block. Most cells of a note hold a number, a unit or a short name, so a loaded
// grid makes no allocation per text.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace grid {

class CellText {
 public:
  CellText() { bytes_[kTag] = 0; }
  CellText(CellText&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.bytes_[kTag] = 0;
  }
  CellText& operator=(CellText&& other) noexcept;
  CellText(const CellText&) = delete;
  CellText& operator=(const CellText&) = delete;
  ~CellText() { Release(); }

  std::string_view View() const {
    if (OnHeap()) return std::string_view(HeapData(), HeapSize());
    return std::string_view(bytes_, size_t(uint8_t(bytes_[kTag])));
  }
  bool Empty() const { return bytes_[kTag] == 0; }
  void Assign(std::string_view text);

 private:
  static constexpr size_t kTag = 23;  // inline length 0..23, or kOnHeap
  static constexpr char kOnHeap = char(0xFF);

  bool OnHeap() const { return bytes_[kTag] == kOnHeap; }
  const char* HeapData() const {
    const char* data;
    std::memcpy(&data, bytes_, sizeof data);
    return data;
  }
  size_t HeapSize() const {
    uint64_t size;
    std::memcpy(&size, bytes_ + 8, sizeof size);
    return size_t(size);
  }
  void Release();

  // Inline: the text, then its length in the last byte. On the heap: the block's
  // address, its size as 64 bits, then the kOnHeap tag.
  char bytes_[24];
};
static_assert(sizeof(CellText) == 24, "a cell's text takes 24 bytes");

}  // namespace grid
