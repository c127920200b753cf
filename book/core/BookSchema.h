// The book's tables and their versions. The file's user_version is the schema version;
// its application_id marks it as a book, so another program's database is never taken
// for one. Each version is one upgrade step from the one before; a new feature adds a
// step (and bumps kBookVersion), never edits an old one.
//   1  customers, notes, items, settings (the day serials kept in settings)
//   2  the day serials in a table of their own
//   3  payments
//   4  voided notes
//   5  notes found by their file path (notes_by_file)
#pragma once

#include <sqlite3.h>

#include <cstdint>

namespace book {

inline constexpr int kBookVersion = 5;
inline constexpr int32_t kBookApplicationId = 0x4E57424B;  // "NWBK"

// Runs the steps after `from` up to `to` (0 = an empty file: the application id is set
// too) and sets user_version, all inside the caller's transaction.
int UpgradeSchema(sqlite3* db, int from, int to);

}  // namespace book
