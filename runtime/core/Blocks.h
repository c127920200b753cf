// Heap blocks handed across command boundaries, constant ranges that are never
// freed, and the array-block layout (dimension count, sizes, packed elements).
//
// Text and byte-set results belong to the caller, who releases them with FreeBlock;
// FreeBlock and ReallocateBlock recognise blocks inside a constant range (the shared
// empty text and byte set among them) and never free or resize those in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rt {

// The shared empty text (one zero byte) and, directly behind it, the shared empty byte
// set (dimension count 1, length 0). Both lie in a constant range from the start.
const char* SharedEmptyText();
const void* SharedEmptyByteSet();

// Allocation failure raises "分配 %d 字节内存失败!" with the requested size.
void* AllocateBlock(size_t size);
void* ReallocateBlock(void* block, size_t size);
void FreeBlock(void* block);

// Constant ranges: [start, end). Blocks inside one are never freed or resized in place.
void AddConstantRange(const void* start, size_t length);
// The end of the constant range holding p, or null when p is in none.
const uint8_t* ConstantRangeEnd(const void* p);

// A new heap text holding a copy of the bytes; always zero-terminated.
char* NewText(const char* bytes, size_t length);
char* NewText(const std::string& s);

// Byte sets: dimension count 1, byte length, bytes.
void* NewByteSet(const void* bytes, size_t length);
// Reads a byte set block; null means the empty set. Returns the bytes and sets length.
const uint8_t* ByteSetData(const void* block, size_t* length);

}  // namespace rt
