// Connecting to the server book: the database is judged before anything is written to
// it, so another program's database or a book from a newer program stays as it was.
#include "book/server/ServerSchema.h"
#include "book/server/ServerStore.h"

namespace book {

namespace {

enum class Verdict { kReady, kCreate, kUpgrade, kNotABook, kNewer };

bool Judge(odbc::Connection& db, Verdict* verdict) {
  odbc::Statement tables(db,
                         "SELECT count(*), count(*) FILTER (WHERE table_name = 'book_version') "
                         "FROM information_schema.tables WHERE table_schema = current_schema()");
  bool row = false;
  if (!tables.Execute() || !tables.Fetch(&row) || !row) return false;
  int64_t all = tables.Int(0), versionTable = tables.Int(1);
  if (!versionTable) {
    *verdict = all ? Verdict::kNotABook : Verdict::kCreate;
    return true;
  }
  odbc::Statement version(db, "SELECT mark, version FROM book_version");
  if (!version.Execute() || !version.Fetch(&row)) return false;
  std::string mark = row ? version.Gbk(0) : "";
  int64_t number = row ? version.Int(1) : 0;
  if (!row || mark != kServerMark)
    *verdict = Verdict::kNotABook;
  else if (number > kServerVersion)
    *verdict = Verdict::kNewer;
  else
    *verdict = number < kServerVersion ? Verdict::kUpgrade : Verdict::kReady;
  return true;
}

int CurrentVersion(odbc::Connection& db) {
  odbc::Statement s(db, "SELECT version FROM book_version");
  int64_t version = 0;
  bool found = false;
  return s.ExecuteScalar(&version, &found) && found ? int(version) : 0;
}

// Creates or upgrades under a lock every program of this book takes first, judging
// again there: another PC may have done it meanwhile.
bool MakeCurrent(odbc::Connection& db, Verdict* verdict) {
  odbc::Statement lock(db, "SELECT pg_advisory_xact_lock(1314341451)");
  if (!lock.Execute() || !Judge(db, verdict)) return false;
  if (*verdict != Verdict::kCreate && *verdict != Verdict::kUpgrade) return true;
  int from = *verdict == Verdict::kCreate ? 0 : CurrentVersion(db);
  if (!UpgradeServerSchema(db, from, kServerVersion)) return false;
  *verdict = Verdict::kReady;
  return true;
}

}  // namespace

ServerStore::ServerStore(std::string connection) : connectionText_(std::move(connection)) {}
ServerStore::~ServerStore() = default;

bool ServerStore::Fail(std::string* why) {
  odbc::Connection& db = *db_;
  bool lost = db.LostServer();
  std::string reason = (lost ? reason::kServerUnreachable : reason::kServerError) + db.Reason();
  if (!lost) db.Rollback();
  if (lost) db_.reset();  // the next call connects again
  if (why) *why = reason;
  return false;
}

bool ServerStore::Finish(bool ok, std::string* why) {
  if (ok && db_->Commit()) return true;
  return Fail(why);
}

bool ServerStore::Ready(std::string* why) {
  if (db_) return true;
  auto db = std::make_unique<odbc::Connection>();
  if (!db->Open(connectionText_, kServerLoginSeconds) || !db->SetAutoCommit(false)) {
    if (why) *why = reason::kServerUnreachable + db->Reason();
    return false;
  }
  db_ = std::move(db);
  return true;
}

std::unique_ptr<ServerStore> ServerStore::Open(const std::string& connection, std::string* why) {
  std::unique_ptr<ServerStore> store(new ServerStore(connection));
  if (!store->Ready(why)) return nullptr;
  Verdict verdict = Verdict::kReady;
  odbc::Connection& db = *store->db_;
  bool ok = Judge(db, &verdict) && db.Commit();
  if (ok && (verdict == Verdict::kCreate || verdict == Verdict::kUpgrade))
    ok = store->Finish(MakeCurrent(db, &verdict), why);
  else if (!ok)
    store->Fail(why);
  if (!ok) return nullptr;
  const char* refusal = verdict == Verdict::kNotABook ? reason::kServerNotABook
                        : verdict == Verdict::kNewer  ? reason::kServerNewer
                                                      : nullptr;
  if (refusal && why) *why = refusal;
  return refusal ? nullptr : std::move(store);
}

std::unique_ptr<NoteBook> OpenServerBook(const std::string& connection, std::string* why) {
  std::unique_ptr<BookStore> store = ServerStore::Open(connection, why);
  return store ? NoteBook::OnStore(std::move(store)) : nullptr;
}

bool ServerStore::RestoreFrom(const std::string&, const std::string&, std::string* why) {
  if (why) *why = reason::kRestoreServer;
  return false;
}

}  // namespace book
