// Thin RAII wrappers over the SQLite calls the book makes: a connection that closes
// itself, a prepared statement that finalizes itself, and a write transaction that rolls
// back unless committed. Every call that can fail returns SQLite's result code; the
// book turns codes into reasons (BookErrors.h).
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace book::sql {

struct CloseConnection {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, CloseConnection>;

// Runs statements without results (schema, pragmas, transaction control).
int Exec(sqlite3* db, const char* sql);

class Statement {
 public:
  Statement(sqlite3* db, const char* sql);
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  int PrepareResult() const { return prepared_; }

  // Parameters count from 1, as in SQL (?1, ?2 ...).
  void Bind(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
  void Bind(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
  void BindNull(int index) { sqlite3_bind_null(stmt_, index); }
  // A GBK text: stored as UTF-8 text, or, when it holds bytes GBK has no standard
  // character for, as a blob of those bytes so nothing the trader typed is lost.
  void BindGbk(int index, std::string_view gbk);

  // SQLITE_ROW, SQLITE_DONE or an error code (the prepare error when preparing failed).
  int Step();
  // Step for a statement without result rows: SQLITE_OK when it ran to the end.
  int Run();
  void Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }

  // Columns count from 0.
  int64_t Int(int col) const { return sqlite3_column_int64(stmt_, col); }
  double Real(int col) const { return sqlite3_column_double(stmt_, col); }
  bool IsNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }
  // The GBK text of what BindGbk stored ("" for NULL).
  std::string Gbk(int col) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
  int prepared_;
};

// BEGIN IMMEDIATE: takes the write lock at once (waiting out the busy timeout), so two
// programs never interleave the reads and writes of one change.
class WriteTransaction {
 public:
  explicit WriteTransaction(sqlite3* db) : db_(db), begun_(Exec(db, "BEGIN IMMEDIATE")) {}
  ~WriteTransaction() {
    if (begun_ == SQLITE_OK && !committed_) Exec(db_, "ROLLBACK");
  }
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;

  int BeginResult() const { return begun_; }
  int Commit();

 private:
  sqlite3* db_;
  int begun_;
  bool committed_ = false;
};

}  // namespace book::sql
