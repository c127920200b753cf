#include "runtime/core/ByteArchive.h"

#include <algorithm>
#include <cstring>

namespace rt {

//--- ByteArchive --------------------------------------------------------------------

ByteArchive::ByteArchive(const uint8_t* data, size_t length) : data_(data), length_(data ? length : 0) {}

void ByteArchive::Refill() {
  size_t n = std::min(kBufferSize, length_ - filled_);
  std::memcpy(buffer_, data_ + filled_, n);
  filled_ += n;
  bufferPos_ = 0;
  bufferEnd_ = n;
}

bool ByteArchive::ReadBytes(void* out, size_t count) {
  if (!ok_ || count > Remaining()) return Fail();
  uint8_t* dst = static_cast<uint8_t*>(out);
  while (count > 0) {
    if (bufferPos_ == bufferEnd_) Refill();
    size_t n = std::min(count, bufferEnd_ - bufferPos_);
    if (dst) {
      std::memcpy(dst, buffer_ + bufferPos_, n);
      dst += n;
    }
    bufferPos_ += n;
    consumed_ += n;
    count -= n;
  }
  return true;
}

bool ByteArchive::Skip(size_t count) { return ReadBytes(nullptr, count); }

bool ByteArchive::ReadWord(uint32_t* out) {
  uint8_t b[4];
  if (!ReadBytes(b, 4)) return false;
  *out = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
  return true;
}

bool ByteArchive::ReadInt(int32_t* out) {
  uint32_t w;
  if (!ReadWord(&w)) return false;
  *out = int32_t(w);
  return true;
}

bool ByteArchive::ReadHalf(uint16_t* out) {
  uint8_t b[2];
  if (!ReadBytes(b, 2)) return false;
  *out = uint16_t(b[0] | b[1] << 8);
  return true;
}

bool ByteArchive::ReadZeroText(std::string* out) {
  out->clear();
  if (!ok_) return false;
  for (;;) {
    if (AtEnd()) return Fail();  // no terminator before the end
    if (bufferPos_ == bufferEnd_) Refill();
    const uint8_t* start = buffer_ + bufferPos_;
    size_t avail = bufferEnd_ - bufferPos_;
    const void* zero = std::memchr(start, 0, avail);
    size_t n = zero ? size_t(static_cast<const uint8_t*>(zero) - start) : avail;
    out->append(reinterpret_cast<const char*>(start), n);
    bufferPos_ += n;
    consumed_ += n;
    if (zero) {
      ++bufferPos_;
      ++consumed_;
      return true;
    }
  }
}

bool ByteArchive::ReadByteVector(size_t count, std::vector<uint8_t>* out) {
  if (!ok_ || count > Remaining()) return Fail();
  out->resize(count);
  return ReadBytes(out->data(), count);
}

bool ByteArchive::ReadCountedBytes(std::vector<uint8_t>* out) {
  uint32_t n;
  return ReadWord(&n) && ReadByteVector(n, out);
}

bool ByteArchive::ReadCountedText(std::string* out) {
  uint32_t n;
  if (!ReadWord(&n)) return false;
  if (n > Remaining()) return Fail();
  out->resize(n);
  return ReadBytes(&(*out)[0], n);
}

//--- ByteWriter ---------------------------------------------------------------------

ByteWriter& ByteWriter::Word(uint32_t v) {
  uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  bytes_.insert(bytes_.end(), b, b + 4);
  return *this;
}

ByteWriter& ByteWriter::Half(uint16_t v) {
  bytes_.push_back(uint8_t(v));
  bytes_.push_back(uint8_t(v >> 8));
  return *this;
}

ByteWriter& ByteWriter::Bytes(const void* p, size_t n) {
  const uint8_t* b = static_cast<const uint8_t*>(p);
  if (n) bytes_.insert(bytes_.end(), b, b + n);
  return *this;
}

ByteWriter& ByteWriter::Zeros(size_t n) {
  bytes_.insert(bytes_.end(), n, 0);
  return *this;
}

ByteWriter& ByteWriter::ZeroText(const std::string& s) {
  // Only the bytes before an embedded zero could ever be read back.
  Bytes(s.data(), std::strlen(s.c_str()));
  bytes_.push_back(0);
  return *this;
}

ByteWriter& ByteWriter::CountedText(const std::string& s) {
  Word(uint32_t(s.size()));
  return Bytes(s.data(), s.size());
}

ByteWriter& ByteWriter::CountedBytes(const std::vector<uint8_t>& b) {
  Word(uint32_t(b.size()));
  return Bytes(b);
}

void ByteWriter::PatchWord(size_t pos, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes_.at(pos + i) = uint8_t(v >> (8 * i));
}

}  // namespace rt
