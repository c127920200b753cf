#include "runtime/core/PropertyValues.h"

#include <cstring>

#include "runtime/core/Blocks.h"
#include "runtime/core/IntegerConversion.h"

namespace rt {

const char kDefaultFace[] = "宋体";

namespace {
DataValue WordsOf(uint32_t low, uint32_t high, TypeTag t) { return DataValue{low, high, t}; }
}  // namespace

WrittenProperty PropertyFromWords(int kind, uint32_t low, uint32_t high) {
  WrittenProperty w;
  switch (kind) {
    case propkind::kInteger: w.value = MakeInt(int32_t(low)); break;
    case propkind::kChoice: w.value = MakeInt(int32_t(low) < 0 ? 0 : int32_t(low)); break;
    case propkind::kLogic: w.value = MakeLogic(low != 0); break;
    case propkind::kDateTime: w.value = WordsOf(low, high, tag::kDateTime); break;
    case propkind::kText: {
      w.value = WordsOf(low, high, tag::kText);
      if (!PointerOf(w.value)) SetPointer(w.value, SharedEmptyText());
      break;
    }
    case propkind::kPointerBytes: w.value = WordsOf(low, high, tag::kByteSet); break;
    case propkind::kFont: {
      w.value = WordsOf(low, high, tag::kByteSet);
      const uint8_t* src = static_cast<const uint8_t*>(PointerOf(w.value));
      if (src) {
        w.fontCopy.assign(src, src + kFontRecordSize);
        uint8_t* face = w.fontCopy.data() + kFontFaceOffset;
        if (!std::memchr(face, 0, kFontFaceSize)) {
          std::memset(face, 0, kFontFaceSize);
          std::memcpy(face, kDefaultFace, sizeof(kDefaultFace) - 1);
        }
        SetPointer(w.value, w.fontCopy.data());
      }
      break;
    }
    default: w.value = WordsOf(low, high, tag::kInt); break;
  }
  return w;
}

uint64_t PropertyToWords(int kind, const DataValue& value) {
  switch (kind) {
    case propkind::kInteger:
    case propkind::kChoice:
      if (value.type == tag::kLogic) return value.low != 0 ? 1 : 0;
      if (tag::IsNumeric(value.type)) return uint32_t(IntegerOf(value));
      return value.low;
    case propkind::kLogic:
      return value.low != 0 || (value.type == tag::kDouble && DoubleOf(value) != 0) ? 1 : 0;
    case propkind::kDateTime: return Bits64(value);
    case propkind::kText: {
      if (value.type == tag::kText && PointerOf(value)) return Bits64(value);
      DataValue fresh;
      SetPointer(fresh, NewText("", 0));
      return Bits64(fresh);
    }
    default: return Bits64(value);
  }
}

}  // namespace rt
