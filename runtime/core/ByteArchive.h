// Little-endian byte streams for the template data and the property blocks inside it.
//
// ByteArchive reads a memory stream through a fixed 4096-byte buffer. Every read checks
// the bytes left first, so a count or length read from the data can never make it read
// past the end or allocate more than the stream still holds. The first failed read
// makes the archive fail for good: later reads fail too, and callers may check once.
//
// ByteWriter is the inverse, appending the same encodings to a byte vector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rt {

class ByteArchive {
 public:
  static constexpr size_t kBufferSize = 4096;

  ByteArchive(const uint8_t* data, size_t length);
  ByteArchive(const ByteArchive&) = delete;
  ByteArchive& operator=(const ByteArchive&) = delete;

  bool ReadBytes(void* out, size_t count);
  bool ReadWord(uint32_t* out);
  bool ReadInt(int32_t* out);
  bool ReadHalf(uint16_t* out);
  bool Skip(size_t count);
  // Bytes up to a zero byte, which is consumed and not stored.
  bool ReadZeroText(std::string* out);
  // A word n, then n bytes.
  bool ReadCountedText(std::string* out);
  bool ReadCountedBytes(std::vector<uint8_t>* out);
  // n bytes into a vector (n checked against what is left before allocating).
  bool ReadByteVector(size_t count, std::vector<uint8_t>* out);

  size_t Position() const { return consumed_; }
  size_t Remaining() const { return length_ - consumed_; }
  bool AtEnd() const { return consumed_ == length_; }
  bool Ok() const { return ok_; }

 private:
  bool Fail() { return ok_ = false; }
  void Refill();

  const uint8_t* data_;
  size_t length_;
  size_t consumed_ = 0;  // stream position of the next byte handed out
  size_t filled_ = 0;    // stream position just after the buffer's last byte
  size_t bufferPos_ = 0, bufferEnd_ = 0;
  bool ok_ = true;
  uint8_t buffer_[kBufferSize];
};

class ByteWriter {
 public:
  ByteWriter& Word(uint32_t v);
  ByteWriter& Int(int32_t v) { return Word(uint32_t(v)); }
  ByteWriter& Half(uint16_t v);
  ByteWriter& Bytes(const void* p, size_t n);
  ByteWriter& Bytes(const std::vector<uint8_t>& b) { return Bytes(b.data(), b.size()); }
  ByteWriter& Zeros(size_t n);
  ByteWriter& ZeroText(const std::string& s);  // the text must hold no zero byte
  ByteWriter& CountedText(const std::string& s);
  ByteWriter& CountedBytes(const std::vector<uint8_t>& b);
  // Overwrites the word at `pos` (for lengths known only afterwards).
  void PatchWord(size_t pos, uint32_t v);

  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Data() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace rt
