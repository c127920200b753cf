// Opening a book: the file is judged before anything is written to it, so a damaged
// file, another program's database or a book from a newer program stays as it was.
#include <chrono>

#include "book/core/BookErrors.h"
#include "book/core/BookSchema.h"
#include "book/core/SqliteStore.h"

namespace book {

namespace {

struct FileState {
  int64_t applicationId = 0, version = 0, objects = 0;
};

enum class Verdict { kReady, kCreate, kUpgrade, kNotABook, kNewer };

int ReadValue(sqlite3* db, const char* sql, int64_t* value) {
  sql::Statement s(db, sql);
  int rc = s.Step();
  if (rc != SQLITE_ROW) return rc == SQLITE_DONE ? SQLITE_CORRUPT : rc;
  *value = s.Int(0);
  return SQLITE_OK;
}

int ReadState(sqlite3* db, FileState* state) {
  int rc = ReadValue(db, "PRAGMA application_id", &state->applicationId);
  if (rc == SQLITE_OK) rc = ReadValue(db, "PRAGMA user_version", &state->version);
  if (rc == SQLITE_OK) rc = ReadValue(db, "SELECT count(*) FROM sqlite_master", &state->objects);
  return rc;
}

// The three values in one read transaction: another program creating the book between
// two of them would otherwise make a new book look like another program's file.
int ReadStateAtOnce(sqlite3* db, FileState* state) {
  int rc = sql::Exec(db, "BEGIN");
  if (rc != SQLITE_OK) return rc;
  rc = ReadState(db, state);
  sql::Exec(db, "COMMIT");
  return rc;
}

Verdict Judge(const FileState& s) {
  if (s.applicationId == 0 && s.version == 0 && s.objects == 0) return Verdict::kCreate;
  if (s.applicationId != kBookApplicationId || s.version < 1) return Verdict::kNotABook;
  if (s.version > kBookVersion) return Verdict::kNewer;
  return s.version < kBookVersion ? Verdict::kUpgrade : Verdict::kReady;
}

// Creates or upgrades inside a write transaction, judging again there: another program
// may have done it meanwhile.
int MakeCurrent(sqlite3* db, Verdict* verdict) {
  sql::WriteTransaction transaction(db);
  if (transaction.BeginResult() != SQLITE_OK) return transaction.BeginResult();
  FileState state;
  int rc = ReadState(db, &state);
  if (rc != SQLITE_OK) return rc;
  *verdict = Judge(state);
  if (*verdict != Verdict::kCreate && *verdict != Verdict::kUpgrade) return SQLITE_OK;
  rc = UpgradeSchema(db, int(state.version), kBookVersion);
  if (rc == SQLITE_OK) rc = transaction.Commit();
  if (rc == SQLITE_OK) *verdict = Verdict::kReady;
  return rc;
}

bool Refuse(const std::string& reason, std::string* why) {
  if (why) *why = reason;
  return false;
}

// Judges the file and brings it to the current version; false with the reason.
bool Prepare(sqlite3* db, std::string* why) {
  FileState state;
  int rc = ReadStateAtOnce(db, &state);
  if (rc != SQLITE_OK) return Refuse(ReasonForCode(rc), why);
  Verdict verdict = Judge(state);
  if (verdict == Verdict::kCreate || verdict == Verdict::kUpgrade) {
    rc = MakeCurrent(db, &verdict);
    if (rc != SQLITE_OK) return Refuse(ReasonForCode(rc), why);
  }
  if (verdict == Verdict::kNotABook) return Refuse(reason::kNotABook, why);
  if (verdict == Verdict::kNewer) return Refuse(reason::kNewer, why);
  // Readers never wait for a writer and a commit costs one sync of the log. A book
  // that cannot switch (another program holds it in the old mode) works as it is.
  sql::Exec(db, "PRAGMA journal_mode = WAL");
  rc = sql::Exec(db, "PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL");
  return rc == SQLITE_OK || Refuse(ReasonForCode(rc), why);
}

}  // namespace

std::string JudgeBookFile(sqlite3* db) {
  FileState state;
  int rc = ReadStateAtOnce(db, &state);
  if (rc == SQLITE_NOTADB) return reason::kNotABook;  // no database at all
  if (rc != SQLITE_OK) return ReasonForCode(rc);
  Verdict verdict = Judge(state);
  if (verdict == Verdict::kCreate || verdict == Verdict::kNotABook) return reason::kNotABook;
  if (verdict == Verdict::kNewer) return reason::kNewer;
  return "";
}

int BringUpToDate(sqlite3* db) {
  Verdict verdict;
  return MakeCurrent(db, &verdict);
}

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool Succeeded(int code, std::string* why) {
  if (code == SQLITE_OK) return true;
  if (why) *why = ReasonForCode(code);
  return false;
}

std::unique_ptr<SqliteStore> SqliteStore::Open(const std::string& pathUtf8, std::string* why, int waitMs) {
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(pathUtf8.c_str(), &raw,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  sql::Connection db(raw);  // closed on every way out, even when opening failed
  if (rc != SQLITE_OK) {
    Refuse(ReasonForCode(rc), why);
    return nullptr;
  }
  sqlite3_extended_result_codes(db.get(), 1);
  sqlite3_busy_timeout(db.get(), waitMs);
  if (!Prepare(db.get(), why)) return nullptr;
  return std::unique_ptr<SqliteStore>(new SqliteStore(std::move(db)));
}

}  // namespace book
