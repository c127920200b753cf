// Recording notes: one note is one record, found again by its number, or by the file it
// was saved to, so saving a note again (renumbered or not) replaces its record.
#include <algorithm>

#include "book/core/CustomerName.h"
#include "book/core/SqliteStore.h"

namespace book {

namespace {

// The id of the record `sql` (one parameter) finds, 0 when none.
int FindId(sqlite3* db, const char* sql, const std::string& key, int64_t* id) {
  sql::Statement s(db, sql);
  s.BindGbk(1, key);
  int rc = s.Step();
  *id = rc == SQLITE_ROW ? s.Int(0) : 0;
  return rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// The record the note replaces (0 when none): the one under its number, else the one
// saved from its file under whatever number it had then, since a file holds one note.
int FindReplacedRecord(sqlite3* db, const NoteRecord& note, int64_t* id) {
  *id = 0;
  int rc = SQLITE_OK;
  // "number <> ''" lets the partial index notes_by_number serve the lookup.
  if (!note.number.empty())
    rc = FindId(db, "SELECT id FROM notes WHERE number = ?1 AND number <> ''", note.number, id);
  if (rc == SQLITE_OK && !*id && !note.filePath.empty())
    rc = FindId(db, "SELECT id FROM notes WHERE file_path = ?1 ORDER BY saved_at DESC, id DESC LIMIT 1",
                note.filePath, id);
  return rc;
}

int WriteNoteRow(sqlite3* db, const NoteRecord& note, int64_t customerId, int64_t now, int64_t* id) {
  sql::Statement s(db, *id ? "UPDATE notes SET number = ?1, customer_id = ?2, handler = ?3, note_date = ?4, "
                             "print_title = ?5, total = ?6, file_path = ?7, saved_at = ?8 WHERE id = ?9"
                           : "INSERT INTO notes(number, customer_id, handler, note_date, print_title, total, "
                             "file_path, saved_at) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  s.BindGbk(1, note.number);
  if (customerId) s.Bind(2, customerId);
  s.BindGbk(3, note.handler);
  s.BindGbk(4, note.noteDate);
  s.BindGbk(5, note.printTitle);
  s.Bind(6, double(note.total) / double(kMoneyScale));  // for older programs; lists sum the items
  s.BindGbk(7, note.filePath);
  s.Bind(8, now);
  if (*id) s.Bind(9, *id);
  int rc = s.Run();
  if (rc == SQLITE_OK && !*id) *id = sqlite3_last_insert_rowid(db);
  return rc;
}

int WriteItems(sqlite3* db, int64_t noteId, const std::vector<NoteItem>& items) {
  sql::Statement clear(db, "DELETE FROM items WHERE note_id = ?1");
  clear.Bind(1, noteId);
  int rc = clear.Run();
  sql::Statement add(db,
                     "INSERT INTO items(note_id, row, dimensions, quantity, unit, price, amount, remarks) "
                     "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  for (const NoteItem& item : items) {
    if (rc != SQLITE_OK) break;
    add.Bind(1, noteId);
    add.Bind(2, int64_t(item.row));
    add.BindGbk(3, item.dimensions);
    add.BindGbk(4, item.quantity);
    add.BindGbk(5, item.unit);
    add.BindGbk(6, item.price);
    add.BindGbk(7, item.amount);
    add.BindGbk(8, item.remarks);
    rc = add.Run();
    add.Reset();
  }
  return rc;
}

// Any other record of the note's file was an earlier state of this note (before it had
// a number or got another): it goes.
int DropOtherRecordsOfFile(sqlite3* db, const NoteRecord& note, int64_t id) {
  if (note.filePath.empty()) return SQLITE_OK;
  sql::Statement s(db, "DELETE FROM notes WHERE file_path = ?1 AND id <> ?2");
  s.BindGbk(1, note.filePath);
  s.Bind(2, id);
  return s.Run();
}

// Reserves `count` time stamps: milliseconds since 1970, but always after the last
// one the book handed out, so "most recent" is the order of recording even within one
// millisecond or after the clock was put back.
int TakeStamps(sqlite3* db, size_t count, int64_t* first) {
  sql::Statement read(db, "SELECT value FROM settings WHERE key = 'clock'");
  int rc = read.Step();
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) return rc;
  int64_t last = rc == SQLITE_ROW ? read.Int(0) : 0;
  *first = std::max(NowMs(), last + 1);
  sql::Statement write(db, "INSERT OR REPLACE INTO settings(key, value) VALUES('clock', ?1)");
  write.Bind(1, *first + int64_t(count) - 1);
  return write.Run();
}

}  // namespace

int WriteNote(sqlite3* db, const NoteRecord& note, int64_t now) {
  int64_t customerId = 0, id = 0;
  int rc = UpsertCustomer(db, note.customer, now, &customerId);
  if (rc == SQLITE_OK) rc = FindReplacedRecord(db, note, &id);
  if (rc == SQLITE_OK) rc = DropOtherRecordsOfFile(db, note, id);
  if (rc == SQLITE_OK) rc = WriteNoteRow(db, note, customerId, now, &id);
  if (rc == SQLITE_OK) rc = WriteItems(db, id, note.items);
  return rc;
}

bool SqliteStore::WriteNotes(const std::vector<NoteRecord>& notes, std::string* why) {
  sqlite3* db = db_.get();
  sql::WriteTransaction transaction(db);
  int rc = transaction.BeginResult();
  int64_t stamp = 0;
  if (rc == SQLITE_OK) rc = TakeStamps(db, notes.size(), &stamp);
  for (size_t i = 0; i < notes.size() && rc == SQLITE_OK; ++i)
    rc = WriteNote(db, notes[i], stamp + int64_t(i));
  if (rc == SQLITE_OK) rc = transaction.Commit();
  return Succeeded(rc, why);
}

// The customer's id, made or brought up to `now`; 0 for a note without a customer.
int UpsertCustomer(sqlite3* db, const std::string& typed, int64_t now, int64_t* id) {
  *id = 0;
  std::string name = CustomerName(typed);
  if (name.empty()) return SQLITE_OK;
  sql::Statement s(db,
                   "INSERT INTO customers(name, last_used) VALUES(?1, ?2) ON CONFLICT(name) DO UPDATE "
                   "SET last_used = max(last_used, excluded.last_used) RETURNING id");
  s.BindGbk(1, name);
  s.Bind(2, now);
  int rc = s.Step();
  if (rc != SQLITE_ROW) return rc;
  *id = s.Int(0);
  return SQLITE_OK;
}

}  // namespace book
