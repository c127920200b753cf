// Reading the window template block into WindowTemplate records, and binding the
// handler offsets stored in it to the application's handler table.
//
// The block, all integers 32-bit little-endian:
//   window table   word L, then L / 8 window ids and as many placeholder words
//   window records one per window-table entry, in that order:
//                  word (unused), id word, counted text, counted text, unit count n,
//                  word T, then T bytes of unit table: n unit ids, n record offsets
//                  (counted from the first byte after the two arrays), then the records,
//                  each a length word and that many bytes
// A control's record: type id, 5 reserved words, name\0, remark\0, slot word,
// left/top/width/height, slot word, container id, m + m contained ids, k + k pointer
// bytes, tag\0, three words (the middle one the state), e + e (event, offset) pairs,
// and from the 5 reserved words on, the kind's own property block to the record's end.
// A menu item's record: type id, 5 reserved words, name\0, remark\0, shortcut, level,
// state, caption\0, click handler offset, 16 slot bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/core/EventHandler.h"
#include "runtime/core/WindowTemplate.h"

namespace rt {

// Fills *out with every window of the block, in window-table order; a block of length 0
// holds no windows. Any inconsistency (the data ends early, a count, offset or length
// points outside its block or record, a record has bytes its layout does not account
// for, duplicate ids, a first unit that is not the window's own, a menu level that
// skips one, a shortcut outside 0..77, a container that does not exist) makes it return
// false and leaves *out with no windows. Record offsets may come in any order.
bool LoadWindowTemplates(const uint8_t* data, size_t length, TemplateSet* out);

// Replaces each stored handler offset by its handler: -1 becomes null (unbound), any
// other offset names the entry of `table` with that index. An offset at or past the
// table's count is bad data: nothing is bound and the result is false.
bool BindHandlers(TemplateSet* set, const HandlerTable& table);

}  // namespace rt
