#include "book/core/BookErrors.h"

#include <sqlite3.h>

namespace book {

std::string ReasonForCode(int code) {
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return reason::kBusy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return reason::kDamaged;
    case SQLITE_FULL: return reason::kDiskFull;
    case SQLITE_READONLY: return reason::kReadOnly;
    case SQLITE_CANTOPEN: return reason::kCannotOpen;
    case SQLITE_IOERR: return reason::kReadWrite;
    case SQLITE_NOMEM: return reason::kNoMemory;
    case SQLITE_PERM:
    case SQLITE_AUTH: return reason::kNoPermission;
    default: return std::string("账本出错（") + sqlite3_errstr(code) + "）";
  }
}

}  // namespace book
