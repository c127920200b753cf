#include "grid/core/CellText.h"

namespace grid {

CellText& CellText::operator=(CellText&& other) noexcept {
  if (this == &other) return *this;
  Release();
  std::memcpy(bytes_, other.bytes_, sizeof bytes_);
  other.bytes_[kTag] = 0;
  return *this;
}

void CellText::Release() {
  if (OnHeap()) delete[] HeapData();
  bytes_[kTag] = 0;
}

void CellText::Assign(std::string_view text) {
  // The new text may be a view of the old one: copy it before releasing.
  if (text.size() <= kTag) {
    char copy[kTag];
    if (!text.empty()) std::memcpy(copy, text.data(), text.size());
    Release();
    if (!text.empty()) std::memcpy(bytes_, copy, text.size());
    bytes_[kTag] = char(text.size());
    return;
  }
  char* data = new char[text.size()];
  std::memcpy(data, text.data(), text.size());
  Release();
  uint64_t size = text.size();
  std::memcpy(bytes_, &data, sizeof data);
  std::memcpy(bytes_ + 8, &size, sizeof size);
  bytes_[kTag] = kOnHeap;
}

}  // namespace grid
