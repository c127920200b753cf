// The whole server book read in one snapshot, written into an empty one in one
// transaction, and kept as a book file.
#include <map>
#include <memory>
#include <set>

#include "book/core/BookErrors.h"
#include "book/core/SqliteStore.h"
#include "book/server/Odbc.h"
#include "book/server/ServerStore.h"
#include "book/server/ServerWrite.h"

namespace book {

namespace {

constexpr size_t kRowsPerInsert = RowBatches::kRows;
const char kItemsInsert[] =
    "INSERT INTO items(note_id, row, dimensions, quantity, unit, price, amount, remarks)";
const char kItemRow[] = "(?, ?, ?, ?, ?, ?, ?, ?)";

bool ReadNotesAndItems(odbc::Connection& db, std::vector<BookContents::Note>* notes) {
  odbc::Statement s(
      db,
      "SELECT n.id, n.number, c.name, n.handler, n.note_date, n.print_title, n.total, n.file_path, "
      "n.saved_at, CASE WHEN n.voided THEN 1 ELSE 0 END FROM notes n "
      "LEFT JOIN customers c ON c.id = n.customer_id ORDER BY n.id");
  std::map<int64_t, size_t> at;
  bool row = false, ok = s.Execute();
  while (ok && (ok = s.Fetch(&row)) && row) {
    BookContents::Note note;
    at[s.Int(0)] = notes->size();
    NoteRecord& r = note.record;
    r.number = s.Gbk(1), r.customer = s.Gbk(2), r.handler = s.Gbk(3), r.noteDate = s.Gbk(4);
    r.printTitle = s.Gbk(5), r.total = s.Int(6), r.filePath = s.Gbk(7);
    note.savedAt = s.Int(8);
    note.voided = s.Int(9) != 0;
    notes->push_back(std::move(note));
  }
  odbc::Statement items(db,
                        "SELECT note_id, row, dimensions, quantity, unit, price, amount, remarks FROM items "
                        "ORDER BY note_id, row");
  ok = ok && items.Execute();
  while (ok && (ok = items.Fetch(&row)) && row) {
    auto found = at.find(items.Int(0));
    NoteItem item;
    item.row = int(items.Int(1));
    int col = 2;
    for (std::string* f :
         {&item.dimensions, &item.quantity, &item.unit, &item.price, &item.amount, &item.remarks})
      *f = items.Gbk(col++);
    if (found != at.end()) (*notes)[found->second].record.items.push_back(std::move(item));
  }
  return ok;
}

bool ReadRest(odbc::Connection& db, BookContents* c) {
  odbc::Statement customers(db, "SELECT name, last_used FROM customers ORDER BY id");
  bool row = false, ok = customers.Execute();
  while (ok && (ok = customers.Fetch(&row)) && row) {
    std::string name = customers.Gbk(0);
    c->customers.push_back({name, customers.Int(1)});
  }
  odbc::Statement payments(db,
                           "SELECT p.id, c.name, p.pay_date, p.remark, p.amount FROM payments p "
                           "JOIN customers c ON c.id = p.customer_id ORDER BY p.id");
  ok = ok && payments.Execute();
  while (ok && (ok = payments.Fetch(&row)) && row) {
    Payment p;
    p.id = payments.Int(0);
    p.customer = payments.Gbk(1), p.date = payments.Gbk(2), p.remark = payments.Gbk(3);
    p.amount = payments.Int(4);
    c->payments.push_back(std::move(p));
  }
  odbc::Statement settings(db, "SELECT key, value FROM settings ORDER BY key");
  ok = ok && settings.Execute();
  while (ok && (ok = settings.Fetch(&row)) && row) {
    std::string key = settings.Gbk(0);
    c->settings.push_back({key, settings.Gbk(1)});
  }
  odbc::Statement serials(db, "SELECT stem, last FROM serials ORDER BY stem");
  ok = ok && serials.Execute();
  while (ok && (ok = serials.Fetch(&row)) && row) {
    std::string stem = serials.Gbk(0);
    c->serials.push_back({stem, serials.Int(1)});
  }
  return ok;
}

bool WriteCustomers(odbc::Connection& db, const BookContents& c, std::map<std::string, int64_t>* ids) {
  int64_t id = 0;
  std::set<std::string> made;
  for (const BookContents::Customer& customer : c.customers) {
    if (!UpsertServerCustomer(db, customer.name, customer.lastUsed, &id)) return false;
    made.insert(customer.name);
  }
  for (const BookContents::Note& note : c.notes)
    if (!note.record.customer.empty() && made.insert(note.record.customer).second &&
        !UpsertServerCustomer(db, note.record.customer, note.savedAt, &id))
      return false;
  for (const Payment& p : c.payments)
    if (made.insert(p.customer).second && !UpsertServerCustomer(db, p.customer, 0, &id)) return false;
  odbc::Statement all(db, "SELECT id, name FROM customers");
  bool row = false, ok = all.Execute();
  while (ok && (ok = all.Fetch(&row)) && row) {
    int64_t customerId = all.Int(0);
    (*ids)[all.Gbk(1)] = customerId;
  }
  return ok;
}

void BindCustomer(odbc::Statement& s, int p, const std::map<std::string, int64_t>& ids,
                  const std::string& name) {
  auto customer = ids.find(name);
  if (customer == ids.end())
    s.BindNull(p);
  else
    s.Bind(p, customer->second);
}

// One batch of notes, their ids coming back in the order of its rows, then their items.
bool WriteNoteBatch(RowBatches& notes, RowBatches& items, const BookContents& c, size_t first, size_t count,
                    const std::map<std::string, int64_t>& customers) {
  odbc::Statement& s = notes.For(count);
  int p = 1;
  for (size_t i = first; i < first + count; ++i) {
    const NoteRecord& r = c.notes[i].record;
    s.BindGbk(p++, r.number);
    BindCustomer(s, p++, customers, r.customer);
    s.BindGbk(p++, r.handler), s.BindGbk(p++, r.noteDate), s.BindGbk(p++, r.printTitle);
    s.Bind(p++, r.total), s.BindGbk(p++, r.filePath), s.Bind(p++, c.notes[i].savedAt);
    s.Bind(p++, c.notes[i].voided ? 1 : 0);
  }
  std::vector<std::pair<int64_t, const NoteItem*>> rows;
  size_t ids = 0;
  bool row = false, ok = s.Execute();
  while (ok && (ok = s.Fetch(&row)) && row && ids < count) {
    int64_t id = s.Int(0);
    for (const NoteItem& item : c.notes[first + ids++].record.items) rows.push_back({id, &item});
  }
  return ok && ids == count && WriteItemRows(items, rows);
}

bool WritePayments(odbc::Connection& db, const BookContents& c,
                   const std::map<std::string, int64_t>& customers) {
  RowBatches batches(db, "INSERT INTO payments(customer_id, pay_date, amount, remark, recorded_at)",
                     "(?, ?, ?, ?, ?)");
  return batches.WriteRows(c.payments.size(), [&](odbc::Statement& s, size_t i, int* p) {
    const Payment& pay = c.payments[i];
    BindCustomer(s, (*p)++, customers, pay.customer);
    s.BindGbk((*p)++, pay.date), s.Bind((*p)++, int64_t(pay.amount)), s.BindGbk((*p)++, pay.remark);
    s.Bind((*p)++, int64_t(i));
  });
}

bool WriteEverything(odbc::Connection& db, const BookContents& c) {
  std::map<std::string, int64_t> customers;
  bool ok = WriteCustomers(db, c, &customers);
  // A copied note that was voided stays voided.
  RowBatches notes(
      db,
      "INSERT INTO notes(number, customer_id, handler, note_date, print_title, total, file_path, "
      "saved_at, voided)",
      "(?, ?, ?, ?, ?, ?, ?, ?, ? <> 0)", " RETURNING id");
  RowBatches items(db, kItemsInsert, kItemRow);
  for (size_t first = 0; ok && first < c.notes.size(); first += kRowsPerInsert)
    ok = WriteNoteBatch(notes, items, c, first, std::min(kRowsPerInsert, c.notes.size() - first), customers);
  ok = ok && WritePayments(db, c, customers);
  odbc::Statement serial(
      db,
      "INSERT INTO serials(stem, last) VALUES(?, ?) ON CONFLICT(stem) DO UPDATE SET last = "
      "GREATEST(serials.last, EXCLUDED.last)");
  for (size_t i = 0; ok && i < c.serials.size(); ++i) {
    serial.BindGbk(1, c.serials[i].stem);
    serial.Bind(2, c.serials[i].last);
    ok = serial.Execute();
  }
  return ok && WriteServerSettings(db, c.settings);
}

}  // namespace

RowBatches::RowBatches(odbc::Connection& db, std::string head, std::string row, std::string tail)
    : db_(db), head_(std::move(head)), row_(std::move(row)), tail_(std::move(tail)) {}

RowBatches::~RowBatches() = default;

odbc::Statement& RowBatches::For(size_t rows) {
  bool full = rows == kRows;
  std::unique_ptr<odbc::Statement>& s = full ? full_ : part_;
  if (!s || (!full && rows != partRows_)) {
    std::string sql = head_;
    for (size_t r = 0; r < rows; ++r) sql += (r ? ", " : " VALUES ") + row_;
    s = std::make_unique<odbc::Statement>(db_, (sql + tail_).c_str());
    if (!full) partRows_ = rows;
  }
  return *s;
}

bool RowBatches::WriteRows(size_t count, const std::function<void(odbc::Statement&, size_t, int*)>& bind) {
  for (size_t first = 0; first < count; first += kRows) {
    size_t rows = std::min(kRows, count - first);
    odbc::Statement& s = For(rows);
    int p = 1;
    for (size_t i = first; i < first + rows; ++i) bind(s, i, &p);
    if (!s.Execute()) return false;
  }
  return true;
}

bool WriteItemRows(RowBatches& batches, const std::vector<std::pair<int64_t, const NoteItem*>>& rows) {
  return batches.WriteRows(rows.size(), [&rows](odbc::Statement& s, size_t i, int* p) {
    const NoteItem& item = *rows[i].second;
    s.Bind((*p)++, rows[i].first), s.Bind((*p)++, int64_t(item.row));
    for (const std::string* f :
         {&item.dimensions, &item.quantity, &item.unit, &item.price, &item.amount, &item.remarks})
      s.BindGbk((*p)++, *f);
  });
}

bool WriteServerItems(odbc::Connection& db, int64_t noteId, const std::vector<NoteItem>& items) {
  std::vector<std::pair<int64_t, const NoteItem*>> rows;
  for (const NoteItem& item : items) rows.push_back({noteId, &item});
  RowBatches batches(db, kItemsInsert, kItemRow);
  return WriteItemRows(batches, rows);
}

bool ServerStore::ReadAll(BookContents* contents, std::string* why) {
  if (!Ready(why)) return false;
  // Writers wait while everything is read, so the copy is of one moment.
  odbc::Statement snapshot(*db_,
                           "LOCK TABLE customers, notes, items, payments, settings, serials IN SHARE MODE");
  bool ok = snapshot.Execute() && ReadNotesAndItems(*db_, &contents->notes) && ReadRest(*db_, contents);
  return Finish(ok, why);
}

bool ServerStore::WriteAllIntoEmpty(const BookContents& contents, std::string* why) {
  if (!Ready(why)) return false;
  odbc::Connection& db = *db_;
  // No other PC records a note or a payment while the book is filled.
  odbc::Statement lock(db, "LOCK TABLE notes, payments IN EXCLUSIVE MODE");
  odbc::Statement count(db, "SELECT (SELECT count(*) FROM notes) + (SELECT count(*) FROM payments)");
  int64_t held = 0;
  bool found = false;
  if (!lock.Execute() || !count.ExecuteScalar(&held, &found)) return Fail(why);
  if (held) {
    db.Rollback();
    if (why) *why = reason::kNotEmpty;
    return false;
  }
  return Finish(WriteEverything(db, contents), why);
}

// The book is built in memory and copied into the file by SQLite's online backup, which
// replaces the file whole or not at all and takes the UTF-8 path on every platform.
bool ServerStore::BackupTo(const std::string& pathUtf8, std::string* why) {
  BookContents contents;
  if (!ReadAll(&contents, why)) return false;
  std::unique_ptr<SqliteStore> copy = SqliteStore::Open(":memory:", why, kBookWaitMs);
  return copy && copy->WriteAllIntoEmpty(contents, why) && copy->BackupTo(pathUtf8, why);
}

}  // namespace book
