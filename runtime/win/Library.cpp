#include "runtime/win/Library.h"

namespace rt::win {

const UnitTypeInfo* FindUnitType(const ProgramHeader& program, uint32_t typeId) {
  int library = LibraryNumberOf(typeId), type = TypeNumberOf(typeId);
  if (library < 1 || library > program.libraryCount || type < 1) return nullptr;
  const LibraryInfo* lib = program.libraries[library - 1];
  if (!lib || type > lib->typeCount || !lib->types) return nullptr;
  return lib->types[type - 1];
}

}  // namespace rt::win
