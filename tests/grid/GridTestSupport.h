// Shared pieces of the grid tests: a grid reachable through the command convention,
// a repaint counter, and a little-endian byte builder for hand-made grid files.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "grid/core/GridCommands.h"
#include "grid/core/GridModel.h"
#include "grid/core/PictureService.h"
#include "runtime/core/Blocks.h"
#include "runtime/core/DataValue.h"

namespace grid::test {

class RepaintCounter : public GridRepaint {
 public:
  void RepaintCell(int, int) override { ++cells; }
  void RepaintAll() override { ++all; }
  void LayoutChanged() override { ++layouts; }
  int cells = 0, all = 0, layouts = 0;
};

// One grid unit (window 0x52010001, unit 0x1601000C) that the commands resolve to.
class CommandGrid {
 public:
  static constexpr rt::UnitRef kUnit{0x52010001, 0x1601000C};
  CommandGrid() : previous_(SetGridResolver(&Resolve)), pictures_(&service) { current_ = &grid; }
  ~CommandGrid() {
    SetGridResolver(previous_);
    current_ = nullptr;
  }

  // Runs a command with the unit in front of the given arguments.
  rt::DataValue Call(rt::CommandFn command, std::vector<rt::DataValue> args) {
    args.insert(args.begin(), rt::MakeUnit(rt::tag::kGrid, kUnit));
    rt::DataValue result{};
    command(&result, int(args.size()), args.data());
    return result;
  }

  // Destroyed in reverse: the grid releases its bitmaps while the service is installed.
  GridResolver previous_;
  MemoryPictureService service;
  ScopedPictureService pictures_;
  GridModel grid;

 private:
  static GridModel* Resolve(rt::UnitRef ref) { return ref == kUnit ? current_ : nullptr; }
  static inline GridModel* current_ = nullptr;
};

// Text arguments live in heap blocks, as the caller's would; freed with the holder.
class TextArgs {
 public:
  ~TextArgs() {
    for (char* p : blocks_) rt::FreeBlock(p);
  }
  rt::DataValue operator()(const std::string& s) {
    blocks_.push_back(rt::NewText(s));
    return rt::MakeTextPointer(blocks_.back());
  }

 private:
  std::vector<char*> blocks_;
};

// Reads a text result and frees its block.
inline std::string TakeText(rt::DataValue v) {
  std::string s = rt::TextOf(v);
  rt::FreeBlock(rt::PointerOf(v));
  return s;
}

inline std::vector<uint8_t> TakeByteSet(rt::DataValue v) {
  size_t length = 0;
  const uint8_t* p = rt::ByteSetData(rt::PointerOf(v), &length);
  std::vector<uint8_t> bytes(p, p + length);
  rt::FreeBlock(rt::PointerOf(v));
  return bytes;
}

class Bytes {
 public:
  Bytes& I32(int32_t v) {
    for (int i = 0; i < 4; ++i) data.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    return *this;
  }
  Bytes& U16(uint16_t v) {
    data.push_back(uint8_t(v));
    data.push_back(uint8_t(v >> 8));
    return *this;
  }
  Bytes& Raw(const void* p, size_t n) {
    const uint8_t* b = static_cast<const uint8_t*>(p);
    data.insert(data.end(), b, b + n);
    return *this;
  }
  // The text zero-padded to a field of n bytes.
  Bytes& Field(const std::string& s, size_t n) {
    Raw(s.data(), s.size());
    data.insert(data.end(), n - s.size(), 0);
    return *this;
  }
  std::vector<uint8_t> data;
};

inline int32_t I32At(const std::vector<uint8_t>& data, size_t offset) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t(data.at(offset + i)) << (8 * i);
  return int32_t(v);
}

inline std::string FieldAt(const std::vector<uint8_t>& data, size_t offset, size_t size) {
  std::string s(reinterpret_cast<const char*>(data.data() + offset), size);
  return s.substr(0, s.find('\0'));
}

}  // namespace grid::test
