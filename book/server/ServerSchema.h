// The server book's tables and their versions. The table book_version holds one row:
// the application's mark (so another program's database is never taken for a book) and
// the schema version. Each version is one upgrade step from the one before; a new
// feature adds a step (and bumps kServerVersion), never edits an old one.
//   1  customers, notes, items, settings, serials
//   2  payments
//   3  voided notes
// Amounts are whole billionths of a yuan (BIGINT), as in the file; texts compare and
// sort by code point (COLLATE "C"), as the file's UTF-8 bytes do.
#pragma once

#include <string>

#include "book/server/Odbc.h"

namespace book {

inline constexpr int kServerVersion = 3;
inline constexpr char kServerMark[] = "NoteWriter book";

// Runs the steps after `from` up to `to` (0 = an empty database: the version table is
// made too) and sets the version, all in the connection's open transaction.
bool UpgradeServerSchema(odbc::Connection& db, int from, int to);

}  // namespace book
