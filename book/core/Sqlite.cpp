#include "book/core/Sqlite.h"

#include "book/core/BookText.h"

namespace book::sql {

int Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

Statement::Statement(sqlite3* db, const char* sql)
    : prepared_(sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr)) {}

void Statement::BindGbk(int index, std::string_view gbk) {
  std::string utf8;
  if (GbkToStoredUtf8(gbk, &utf8))
    sqlite3_bind_text(stmt_, index, utf8.data(), int(utf8.size()), SQLITE_TRANSIENT);
  else
    sqlite3_bind_blob(stmt_, index, gbk.data(), int(gbk.size()), SQLITE_TRANSIENT);
}

int Statement::Step() {
  if (prepared_ != SQLITE_OK) return prepared_;
  return sqlite3_step(stmt_);
}

int Statement::Run() {
  int rc = Step();
  return rc == SQLITE_DONE || rc == SQLITE_ROW ? SQLITE_OK : rc;
}

std::string Statement::Gbk(int col) const {
  int type = sqlite3_column_type(stmt_, col);
  if (type == SQLITE_NULL) return {};
  if (type == SQLITE_BLOB) {
    const void* bytes = sqlite3_column_blob(stmt_, col);
    return std::string(static_cast<const char*>(bytes), size_t(sqlite3_column_bytes(stmt_, col)));
  }
  const unsigned char* text = sqlite3_column_text(stmt_, col);
  std::string_view utf8(reinterpret_cast<const char*>(text), size_t(sqlite3_column_bytes(stmt_, col)));
  return StoredUtf8ToGbk(utf8);
}

int WriteTransaction::Commit() {
  if (begun_ != SQLITE_OK) return begun_;
  int rc = Exec(db_, "COMMIT");
  committed_ = rc == SQLITE_OK;
  return rc;
}

}  // namespace book::sql
