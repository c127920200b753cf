#include "app/win/ProgramDescriptor.h"

#include "app/core/Handlers.h"
#include "app/core/ProgramTemplates.h"
#include "calendar/win/CalendarLibrary.h"
#include "grid/win/GridLibrary.h"
#include "menu/win/MenuLibrary.h"
#include "runtime/win/CoreLibrary.h"

namespace app {

namespace {

// The application's constant data: an empty text and, right behind it, an empty byte
// set, which the application hands on in place of null results.
const uint8_t kConstants[9] = {0, 1, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

const rt::win::ProgramHeader& ProgramDescriptor() {
  static const rt::win::LibraryInfo* const libraries[4] = {
      &rt::win::CoreLibrary(),
      &grid::win::GridLibrary(),
      &menu::win::OwnerMenuLibrary(),
      &cal::win::CalendarLibrary(),
  };
  static const rt::win::ProgramHeader header = [] {
    rt::win::ProgramHeader h;
    h.mode = 3;
    h.lastSerial = kLastIdSerial;
    h.handlers = ProgramHandlers();
    h.constants = kConstants;
    h.constantsLength = sizeof(kConstants);
    const std::vector<uint8_t>& block = ProgramTemplateBlock();
    h.templates = block.data();
    h.templatesLength = block.size();
    h.libraryCount = 4;
    h.libraries = libraries;
    return h;
  }();
  return header;
}

}  // namespace app
