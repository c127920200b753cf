// The book in one SQLite file: the store of a single PC. Two programs may share the
// file: writes run in immediate transactions behind a busy timeout, so the second waits
// instead of failing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "book/core/BookStore.h"
#include "book/core/Sqlite.h"

namespace book {

class SqliteStore final : public BookStore {
 public:
  // Opens (creating the file if missing) and upgrades the schema. Null with a reason
  // (GBK) when the file is damaged, not a book, locked or newer; never alters such a file.
  static std::unique_ptr<SqliteStore> Open(const std::string& pathUtf8, std::string* why, int waitMs);

  bool WriteNotes(const std::vector<NoteRecord>& notes, std::string* why) override;
  bool TakeSerial(const std::string& stem, const NumberOfSerial& numberOf, std::string* number,
                  std::string* why) override;
  bool ReadSettings(const std::string& prefix, std::vector<BookContents::Setting>* settings,
                    std::string* why) override;
  bool WriteSettings(const std::vector<BookContents::Setting>& settings, std::string* why) override;
  bool ReadCustomers(size_t limit, std::vector<std::string>* names, std::string* why) override;
  bool ReadNoteCount(int64_t* count, std::string* why) override;
  bool ReadLastItem(const std::string& customer, const std::string& dimensions, std::optional<LastItem>* item,
                    std::string* why) override;
  bool ReadNotes(const NoteFilter& filter, std::vector<NoteSummary>* notes, std::string* why) override;
  bool WritePayment(Payment* payment, std::string* why) override;
  bool DeletePayment(int64_t id, std::string* why) override;
  bool ReadPayments(const std::string& customer, std::vector<Payment>* payments, std::string* why) override;
  bool ReadLedger(const std::string& customer, const std::string& from, const std::string& to,
                  LedgerRows* before, LedgerRows* period, std::string* why) override;
  bool ReadReceivables(const std::string& asOf, ReceivableRows* rows, std::string* why) override;
  bool WriteVoided(const std::string& number, bool voided, bool* found, std::string* why) override;
  bool ReadVoided(const std::string& number, bool* voided, std::string* why) override;
  bool ReadAll(BookContents* contents, std::string* why) override;
  bool WriteAllIntoEmpty(const BookContents& contents, std::string* why) override;
  bool BackupTo(const std::string& pathUtf8, std::string* why) override;
  bool RestoreFrom(const std::string& pathUtf8, const std::string& keepUtf8, std::string* why) override;

 private:
  explicit SqliteStore(sql::Connection db) : db_(std::move(db)) {}
  sql::Connection db_;
};

// True for SQLITE_OK; else false with the reason for `code` in *why (when given).
bool Succeeded(int code, std::string* why);

// The customer's id: made (or its last use brought up to `now`) for a non-empty name,
// else 0.
int UpsertCustomer(sqlite3* db, const std::string& name, int64_t now, int64_t* id);
// The customer's id; 0 when the book has never seen the name.
int FindCustomer(sqlite3* db, const std::string& name, int64_t* id);
// Stores a note (in the caller's transaction) replacing the record under its key.
int WriteNote(sqlite3* db, const NoteRecord& note, int64_t savedAt);

// "" when the database is a book this program can use (perhaps after an upgrade), else
// the reason. Reads only.
std::string JudgeBookFile(sqlite3* db);
// Upgrades a book of an older version in a write transaction.
int BringUpToDate(sqlite3* db);

// Milliseconds since 1970, the time stamps of the book.
int64_t NowMs();

}  // namespace book
