// Recording notes, taking numbers and keeping settings on the server.
#include <algorithm>
#include <chrono>

#include "book/server/Odbc.h"
#include "book/server/ServerStore.h"
#include "book/server/ServerWrite.h"

namespace book {

namespace {

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// Reserves `count` time stamps after the last one handed out, holding the clock row:
// it also keeps two PCs from recording the same note at once.
bool TakeStamps(odbc::Connection& db, size_t count, int64_t* first) {
  odbc::Statement make(db,
                       "INSERT INTO settings(key, value) VALUES('clock', '0') ON CONFLICT(key) DO NOTHING");
  odbc::Statement read(db, "SELECT CAST(value AS BIGINT) FROM settings WHERE key = 'clock' FOR UPDATE");
  int64_t last = 0;
  bool found = false;
  if (!make.Execute() || !read.ExecuteScalar(&last, &found)) return false;
  *first = std::max(NowMs(), last + 1);
  odbc::Statement write(db, "UPDATE settings SET value = CAST(? AS TEXT) WHERE key = 'clock'");
  write.Bind(1, *first + int64_t(count) - 1);
  return write.Execute();
}

// The id `sql` (one text parameter) finds, 0 when none.
bool FindId(odbc::Connection& db, const char* sql, const std::string& key, int64_t* id) {
  odbc::Statement s(db, sql);
  s.BindGbk(1, key);
  bool found = false;
  *id = 0;
  return s.ExecuteScalar(id, &found);
}

// The record the note replaces (0 when none): the one under its number, else the one
// saved from its file under whatever number it had then, since a file holds one note.
bool FindReplacedRecord(odbc::Connection& db, const NoteRecord& note, int64_t* id) {
  *id = 0;
  // "number <> ''" lets the partial index notes_by_number serve the lookup.
  bool ok = note.number.empty() ||
            FindId(db, "SELECT id FROM notes WHERE number = ? AND number <> ''", note.number, id);
  if (ok && !*id && !note.filePath.empty())
    ok = FindId(db, "SELECT id FROM notes WHERE file_path = ? ORDER BY saved_at DESC, id DESC LIMIT 1",
                note.filePath, id);
  return ok;
}

bool WriteNoteRow(odbc::Connection& db, const NoteRecord& note, int64_t customerId, int64_t savedAt,
                  int64_t* id) {
  odbc::Statement s(db,
                    *id ? "UPDATE notes SET number = ?, customer_id = ?, handler = ?, note_date = ?, "
                          "print_title = ?, total = ?, file_path = ?, saved_at = ? WHERE id = ? RETURNING id"
                        : "INSERT INTO notes(number, customer_id, handler, note_date, print_title, total, "
                          "file_path, saved_at) VALUES(?, ?, ?, ?, ?, ?, ?, ?) RETURNING id");
  s.BindGbk(1, note.number);
  if (customerId)
    s.Bind(2, customerId);
  else
    s.BindNull(2);
  s.BindGbk(3, note.handler);
  s.BindGbk(4, note.noteDate);
  s.BindGbk(5, note.printTitle);
  s.Bind(6, note.total);
  s.BindGbk(7, note.filePath);
  s.Bind(8, savedAt);
  if (*id) s.Bind(9, *id);
  bool found = false;
  return s.ExecuteScalar(id, &found) && found;
}

// Any other record of the note's file was an earlier state of this note: it goes.
bool DropOtherRecordsOfFile(odbc::Connection& db, const NoteRecord& note, int64_t id) {
  if (note.filePath.empty()) return true;
  odbc::Statement s(db, "DELETE FROM notes WHERE file_path = ? AND id <> ?");
  s.BindGbk(1, note.filePath);
  s.Bind(2, id);
  return s.Execute();
}

bool WriteNote(odbc::Connection& db, const NoteRecord& note, int64_t savedAt) {
  int64_t customerId = 0, id = 0;
  odbc::Statement clear(db, "DELETE FROM items WHERE note_id = ?");
  bool ok = UpsertServerCustomer(db, note.customer, savedAt, &customerId) &&
            FindReplacedRecord(db, note, &id) && DropOtherRecordsOfFile(db, note, id) &&
            WriteNoteRow(db, note, customerId, savedAt, &id);
  if (ok) clear.Bind(1, id);
  return ok && clear.Execute() && WriteServerItems(db, id, note.items);
}

}  // namespace

bool UpsertServerCustomer(odbc::Connection& db, const std::string& name, int64_t now, int64_t* id) {
  *id = 0;
  if (name.empty()) return true;
  odbc::Statement s(db,
                    "INSERT INTO customers(name, last_used) VALUES(?, ?) ON CONFLICT(name) DO UPDATE "
                    "SET last_used = GREATEST(customers.last_used, EXCLUDED.last_used) RETURNING id");
  s.BindGbk(1, name);
  s.Bind(2, now);
  bool found = false;
  return s.ExecuteScalar(id, &found) && found;
}

bool ServerStore::WriteNotes(const std::vector<NoteRecord>& notes, std::string* why) {
  if (!Ready(why)) return false;
  int64_t stamp = 0;
  bool ok = TakeStamps(*db_, notes.size(), &stamp);
  for (size_t i = 0; i < notes.size() && ok; ++i) ok = WriteNote(*db_, notes[i], stamp + int64_t(i));
  return Finish(ok, why);
}

bool ServerStore::TakeSerial(const std::string& stem, const NumberOfSerial& numberOf, std::string* number,
                             std::string* why) {
  if (!Ready(why)) return false;
  odbc::Connection& db = *db_;
  odbc::Statement make(db, "INSERT INTO serials(stem, last) VALUES(?, 0) ON CONFLICT(stem) DO NOTHING");
  odbc::Statement lock(db, "SELECT last FROM serials WHERE stem = ? FOR UPDATE");
  odbc::Statement used(db, "SELECT 1 FROM notes WHERE number = ? AND number <> ''");
  odbc::Statement store(db, "UPDATE serials SET last = ? WHERE stem = ?");
  make.BindGbk(1, stem);
  lock.BindGbk(1, stem);
  int64_t serial = 0, one = 0;
  bool found = false, taken = true;
  bool ok = make.Execute() && lock.ExecuteScalar(&serial, &found) && found;
  std::string candidate;
  while (ok && taken) {
    candidate = numberOf(++serial);
    used.BindGbk(1, candidate);
    ok = used.ExecuteScalar(&one, &taken);
  }
  store.Bind(1, serial);
  store.BindGbk(2, stem);
  ok = ok && store.Execute();
  if (!Finish(ok, why)) return false;
  *number = candidate;
  return true;
}

bool ServerStore::ReadSettings(const std::string& prefix, std::vector<BookContents::Setting>* settings,
                               std::string* why) {
  if (!Ready(why)) return false;
  odbc::Statement s(*db_, "SELECT key, value FROM settings WHERE left(key, length(?)) = ?");
  s.BindGbk(1, prefix);
  s.BindGbk(2, prefix);
  bool row = false, ok = s.Execute();
  while (ok && (ok = s.Fetch(&row)) && row) {
    std::string key = s.Gbk(0);
    settings->push_back({key, s.Gbk(1)});
  }
  return Finish(ok, why);
}

bool ServerStore::WriteSettings(const std::vector<BookContents::Setting>& settings, std::string* why) {
  if (!Ready(why)) return false;
  bool ok = WriteServerSettings(*db_, settings);
  return Finish(ok, why);
}

bool WriteServerSettings(odbc::Connection& db, const std::vector<BookContents::Setting>& settings) {
  odbc::Statement s(db,
                    "INSERT INTO settings(key, value) VALUES(?, ?) ON CONFLICT(key) DO UPDATE SET value = "
                    "EXCLUDED.value");
  for (const BookContents::Setting& setting : settings) {
    s.BindGbk(1, setting.key);
    s.BindGbk(2, setting.value);
    if (!s.Execute()) return false;
  }
  return true;
}

}  // namespace book
