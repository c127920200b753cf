#include "book/core/BookSchema.h"

#include <string>

#include "book/core/Sqlite.h"

namespace book {

namespace {

// Texts are UTF-8 (or blobs of GBK bytes no standard character covers, see Sqlite.h);
// amounts and prices are the cell texts, `total` only serves listing. A note is keyed by
// its number, or by its file path while it has none: the two partial indexes.
const char kVersion1[] = R"sql(
CREATE TABLE customers(
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL UNIQUE,
  last_used INTEGER NOT NULL);  -- milliseconds since 1970 of its latest recorded note
CREATE TABLE notes(
  id INTEGER PRIMARY KEY,
  number TEXT NOT NULL,         -- '' when the note has none
  customer_id INTEGER REFERENCES customers(id),
  handler TEXT NOT NULL,
  note_date TEXT NOT NULL,      -- YYYY-MM-DD or ''
  print_title TEXT NOT NULL,
  total REAL NOT NULL,
  file_path TEXT NOT NULL,
  saved_at INTEGER NOT NULL);   -- milliseconds since 1970
CREATE UNIQUE INDEX notes_by_number ON notes(number) WHERE number <> '';
CREATE UNIQUE INDEX notes_by_path ON notes(file_path) WHERE number = '';
CREATE INDEX notes_by_customer ON notes(customer_id, note_date, saved_at);
CREATE INDEX notes_by_date ON notes(note_date, saved_at);
CREATE TABLE items(
  note_id INTEGER NOT NULL REFERENCES notes(id) ON DELETE CASCADE,
  row INTEGER NOT NULL CHECK(row BETWEEN 1 AND 20),
  dimensions TEXT NOT NULL,
  quantity TEXT NOT NULL,
  unit TEXT NOT NULL,
  price TEXT NOT NULL,
  amount TEXT NOT NULL,
  remarks TEXT NOT NULL,
  PRIMARY KEY(note_id, row)) WITHOUT ROWID;
CREATE TABLE settings(
  key TEXT PRIMARY KEY,
  value NOT NULL) WITHOUT ROWID;
)sql";

// Version 1 kept the last serial handed out for a stem (prefix and date part) in
// settings under 'serial:' || stem.
const char kVersion2[] = R"sql(
CREATE TABLE serials(
  stem TEXT PRIMARY KEY,        -- prefix and date part of the numbers
  last INTEGER NOT NULL) WITHOUT ROWID;
INSERT INTO serials(stem, last)
  SELECT substr(key, 8), value FROM settings WHERE key GLOB 'serial:*';
DELETE FROM settings WHERE key GLOB 'serial:*';
)sql";

// Payments received, in billionths of a yuan like every sum of the book.
const char kVersion3[] = R"sql(
CREATE TABLE payments(
  id INTEGER PRIMARY KEY,
  customer_id INTEGER NOT NULL REFERENCES customers(id),
  pay_date TEXT NOT NULL,       -- YYYY-MM-DD
  amount INTEGER NOT NULL,
  remark TEXT NOT NULL,
  recorded_at INTEGER NOT NULL);
CREATE INDEX payments_by_customer ON payments(customer_id, pay_date, id);
)sql";

// A voided note keeps its number and record but counts nowhere: 1 when voided.
const char kVersion4[] = R"sql(
ALTER TABLE notes ADD COLUMN voided INTEGER NOT NULL DEFAULT 0;
)sql";

// Saving finds the record of its file whatever its number: without this index every
// save read the whole notes table.
const char kVersion5[] = R"sql(
CREATE INDEX notes_by_file ON notes(file_path);
)sql";

const char* const kSteps[] = {kVersion1, kVersion2, kVersion3, kVersion4, kVersion5};
static_assert(sizeof kSteps / sizeof kSteps[0] == kBookVersion, "one step per version");

}  // namespace

int UpgradeSchema(sqlite3* db, int from, int to) {
  if (from < 0 || to > kBookVersion || from > to) return SQLITE_MISUSE;
  if (from == 0) {
    int rc = sql::Exec(db, ("PRAGMA application_id = " + std::to_string(kBookApplicationId)).c_str());
    if (rc != SQLITE_OK) return rc;
  }
  for (int version = from + 1; version <= to; ++version) {
    int rc = sql::Exec(db, kSteps[version - 1]);
    if (rc != SQLITE_OK) return rc;
  }
  return sql::Exec(db, ("PRAGMA user_version = " + std::to_string(to)).c_str());
}

}  // namespace book
