// The whole file read in one transaction, and written into an empty file in one.
#include <cmath>

#include "book/core/BookErrors.h"
#include "book/core/SqliteStore.h"

namespace book {

namespace {

int ReadItems(sqlite3* db, std::vector<BookContents::Note>* notes) {
  sql::Statement s(db,
                   "SELECT note_id, row, dimensions, quantity, unit, price, amount, remarks FROM items "
                   "ORDER BY note_id, row");
  size_t at = 0;
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    int64_t id = s.Int(0);
    while (at < notes->size() && (*notes)[at].savedAt != id) ++at;  // savedAt holds the id here
    if (at == notes->size()) return SQLITE_CORRUPT;
    (*notes)[at].record.items.push_back(
        NoteItem{int(s.Int(1)), s.Gbk(2), s.Gbk(3), s.Gbk(4), s.Gbk(5), s.Gbk(6), s.Gbk(7)});
  }
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// A copied note that was voided stays voided (voided notes always have a number).
int MarkVoided(sqlite3* db, const std::string& number) {
  sql::Statement s(db, "UPDATE notes SET voided = 1 WHERE number = ?1 AND number <> ''");
  s.BindGbk(1, number);
  return s.Run();
}

int ReadAllNotes(sqlite3* db, std::vector<BookContents::Note>* notes) {
  sql::Statement s(
      db,
      "SELECT n.id, n.number, c.name, n.handler, n.note_date, n.print_title, n.total, n.file_path, "
      "n.saved_at, n.voided FROM notes n LEFT JOIN customers c ON c.id = n.customer_id ORDER BY n.id");
  std::vector<int64_t> savedAt;
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    BookContents::Note note;
    note.savedAt = s.Int(0);
    NoteRecord& r = note.record;
    r.number = s.Gbk(1), r.customer = s.Gbk(2), r.handler = s.Gbk(3), r.noteDate = s.Gbk(4);
    r.printTitle = s.Gbk(5), r.total = Money(std::llround(s.Real(6) * double(kMoneyScale))),
    r.filePath = s.Gbk(7);
    savedAt.push_back(s.Int(8));
    note.voided = s.Int(9) != 0;
    notes->push_back(std::move(note));
  }
  if (rc != SQLITE_DONE) return rc;
  rc = ReadItems(db, notes);
  for (size_t i = 0; i < notes->size(); ++i) (*notes)[i].savedAt = savedAt[i];
  return rc;
}

int ReadRest(sqlite3* db, BookContents* c) {
  sql::Statement customers(db, "SELECT name, last_used FROM customers ORDER BY id");
  int rc;
  while ((rc = customers.Step()) == SQLITE_ROW) c->customers.push_back({customers.Gbk(0), customers.Int(1)});
  if (rc != SQLITE_DONE) return rc;
  sql::Statement payments(db,
                          "SELECT p.id, c.name, p.pay_date, p.remark, p.amount FROM payments p "
                          "JOIN customers c ON c.id = p.customer_id ORDER BY p.id");
  while ((rc = payments.Step()) == SQLITE_ROW)
    c->payments.push_back(
        Payment{payments.Int(0), payments.Gbk(1), payments.Gbk(2), payments.Gbk(3), payments.Int(4)});
  if (rc != SQLITE_DONE) return rc;
  sql::Statement settings(db, "SELECT key, value FROM settings ORDER BY key");
  while ((rc = settings.Step()) == SQLITE_ROW) c->settings.push_back({settings.Gbk(0), settings.Gbk(1)});
  if (rc != SQLITE_DONE) return rc;
  sql::Statement serials(db, "SELECT stem, last FROM serials ORDER BY stem");
  while ((rc = serials.Step()) == SQLITE_ROW) c->serials.push_back({serials.Gbk(0), serials.Int(1)});
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int CountHeld(sqlite3* db, int64_t* held) {
  sql::Statement s(db, "SELECT (SELECT count(*) FROM notes) + (SELECT count(*) FROM payments)");
  int rc = s.Step();
  *held = rc == SQLITE_ROW ? s.Int(0) : 0;
  return rc == SQLITE_ROW ? SQLITE_OK : rc;
}

int WriteRest(sqlite3* db, const BookContents& c) {
  int rc = SQLITE_OK;
  int64_t id = 0;
  for (size_t i = 0; i < c.customers.size() && rc == SQLITE_OK; ++i)
    rc = UpsertCustomer(db, c.customers[i].name, c.customers[i].lastUsed, &id);
  sql::Statement pay(db,
                     "INSERT INTO payments(customer_id, pay_date, amount, remark, recorded_at) "
                     "VALUES(?1, ?2, ?3, ?4, ?5)");
  for (const Payment& p : c.payments) {
    if (rc == SQLITE_OK) rc = FindCustomer(db, p.customer, &id);
    if (rc != SQLITE_OK) break;
    pay.Bind(1, id), pay.BindGbk(2, p.date), pay.Bind(3, int64_t(p.amount)), pay.BindGbk(4, p.remark);
    pay.Bind(5, NowMs());
    rc = pay.Run();
    pay.Reset();
  }
  sql::Statement setting(db, "INSERT OR REPLACE INTO settings(key, value) VALUES(?1, ?2)");
  for (size_t i = 0; i < c.settings.size() && rc == SQLITE_OK; ++i, setting.Reset()) {
    const std::string& value = c.settings[i].value;
    setting.BindGbk(1, c.settings[i].key);
    bool number = !value.empty() && value.find_first_not_of("0123456789") == std::string::npos &&
                  value.size() < 19 && (value[0] != '0' || value.size() == 1);
    if (number)
      setting.Bind(2, int64_t(std::stoll(value)));
    else
      setting.BindGbk(2, value);
    rc = setting.Run();
  }
  sql::Statement serial(db, "INSERT OR REPLACE INTO serials(stem, last) VALUES(?1, ?2)");
  for (size_t i = 0; i < c.serials.size() && rc == SQLITE_OK; ++i, serial.Reset()) {
    serial.BindGbk(1, c.serials[i].stem);
    serial.Bind(2, c.serials[i].last);
    rc = serial.Run();
  }
  return rc;
}

}  // namespace

bool SqliteStore::ReadAll(BookContents* contents, std::string* why) {
  sqlite3* db = db_.get();
  int rc = sql::Exec(db, "BEGIN");
  if (rc == SQLITE_OK) rc = ReadAllNotes(db, &contents->notes);
  if (rc == SQLITE_OK) rc = ReadRest(db, contents);
  sql::Exec(db, "COMMIT");
  return Succeeded(rc, why);
}

bool SqliteStore::WriteAllIntoEmpty(const BookContents& contents, std::string* why) {
  sqlite3* db = db_.get();
  sql::WriteTransaction transaction(db);
  int rc = transaction.BeginResult();
  int64_t held = 0;
  if (rc == SQLITE_OK) rc = CountHeld(db, &held);
  if (rc == SQLITE_OK && held) {
    if (why) *why = reason::kNotEmpty;
    return false;
  }
  for (size_t i = 0; i < contents.notes.size() && rc == SQLITE_OK; ++i)
    rc = WriteNote(db, contents.notes[i].record, contents.notes[i].savedAt);
  for (size_t i = 0; i < contents.notes.size() && rc == SQLITE_OK; ++i)
    if (contents.notes[i].voided) rc = MarkVoided(db, contents.notes[i].record.number);
  if (rc == SQLITE_OK) rc = WriteRest(db, contents);
  if (rc == SQLITE_OK) rc = transaction.Commit();
  return Succeeded(rc, why);
}

}  // namespace book
