#include "book/server/ServerSchema.h"

#include <string>

namespace book {

namespace {

const char kVersionTable[] = R"sql(
CREATE TABLE book_version(
  mark TEXT NOT NULL,
  version INTEGER NOT NULL);
INSERT INTO book_version(mark, version) VALUES('NoteWriter book', 0)
)sql";

// A note is keyed by its number, or by its file path while it has none: the two partial
// indexes; a save finds the record of its file whatever its number (notes_by_file).
// `total` serves listing only.
const char kVersion1[] = R"sql(
CREATE TABLE customers(
  id BIGSERIAL PRIMARY KEY,
  name TEXT COLLATE "C" NOT NULL UNIQUE,
  last_used BIGINT NOT NULL);
CREATE TABLE notes(
  id BIGSERIAL PRIMARY KEY,
  number TEXT COLLATE "C" NOT NULL,
  customer_id BIGINT REFERENCES customers(id),
  handler TEXT NOT NULL,
  note_date TEXT COLLATE "C" NOT NULL,
  print_title TEXT NOT NULL,
  total BIGINT NOT NULL,
  file_path TEXT COLLATE "C" NOT NULL,
  saved_at BIGINT NOT NULL);
CREATE UNIQUE INDEX notes_by_number ON notes(number) WHERE number <> '';
CREATE UNIQUE INDEX notes_by_path ON notes(file_path) WHERE number = '';
CREATE INDEX notes_by_file ON notes(file_path);
CREATE INDEX notes_by_customer ON notes(customer_id, note_date, saved_at);
CREATE INDEX notes_by_date ON notes(note_date, saved_at);
CREATE TABLE items(
  note_id BIGINT NOT NULL REFERENCES notes(id) ON DELETE CASCADE,
  row INTEGER NOT NULL CHECK(row BETWEEN 1 AND 20),
  dimensions TEXT COLLATE "C" NOT NULL,
  quantity TEXT NOT NULL,
  unit TEXT NOT NULL,
  price TEXT NOT NULL,
  amount TEXT NOT NULL,
  remarks TEXT NOT NULL,
  PRIMARY KEY(note_id, row));
CREATE TABLE settings(
  key TEXT COLLATE "C" PRIMARY KEY,
  value TEXT NOT NULL);
CREATE TABLE serials(
  stem TEXT COLLATE "C" PRIMARY KEY,
  last BIGINT NOT NULL)
)sql";

const char kVersion2[] = R"sql(
CREATE TABLE payments(
  id BIGSERIAL PRIMARY KEY,
  customer_id BIGINT NOT NULL REFERENCES customers(id),
  pay_date TEXT COLLATE "C" NOT NULL,
  amount BIGINT NOT NULL,
  remark TEXT NOT NULL,
  recorded_at BIGINT NOT NULL);
CREATE INDEX payments_by_customer ON payments(customer_id, pay_date, id)
)sql";

// A voided note keeps its number and record but counts nowhere.
const char kVersion3[] = R"sql(
ALTER TABLE notes ADD COLUMN voided BOOLEAN NOT NULL DEFAULT FALSE
)sql";

const char* const kSteps[] = {kVersion1, kVersion2, kVersion3};
static_assert(sizeof kSteps / sizeof kSteps[0] == kServerVersion, "one step per version");

// Each statement of a script on its own (no ';' inside the scripts' texts).
bool RunScript(odbc::Connection& db, const std::string& script) {
  size_t start = 0;
  while (start < script.size()) {
    size_t end = script.find(';', start);
    if (end == std::string::npos) end = script.size();
    std::string one = script.substr(start, end - start);
    start = end + 1;
    if (one.find_first_not_of(" \n") == std::string::npos) continue;
    odbc::Statement s(db, one.c_str());
    if (!s.Execute()) return false;
  }
  return true;
}

}  // namespace

bool UpgradeServerSchema(odbc::Connection& db, int from, int to) {
  if (from < 0 || to > kServerVersion || from > to) return false;
  if (from == 0 && !RunScript(db, kVersionTable)) return false;
  for (int version = from + 1; version <= to; ++version)
    if (!RunScript(db, kSteps[version - 1])) return false;
  odbc::Statement s(db, "UPDATE book_version SET version = ?");
  s.Bind(1, int64_t(to));
  return s.Execute();
}

}  // namespace book
