// Thin RAII owners of the ODBC handles the server book uses: an environment, a
// connection that disconnects itself, and a statement whose parameters live in it until
// it runs. Texts cross as UTF-16 (SQL_C_WCHAR), whole numbers as SQLBIGINT; nothing is
// ever bound as floating point. A failed call leaves its reason (GBK) and SQLSTATE in
// the owner, read with Reason() and State().
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace book::odbc {

using WideText = std::basic_string<SQLWCHAR>;

// GBK to UTF-16 and back. Bytes with no standard character go over as private-use
// characters U+F700 + byte, and come back as those bytes, so nothing typed is lost.
WideText GbkToWide(std::string_view gbk);
std::string WideToGbk(const WideText& wide);

// The diagnostics of a handle: "[SQLSTATE] message" lines in GBK, and the first state.
struct Diagnostic {
  std::string state, reason;
};
Diagnostic ReadDiagnostic(SQLSMALLINT type, SQLHANDLE handle);

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // A connection string ("Driver={…};Server=…" or "DSN=…;Uid=…"), GBK. `loginSeconds`
  // bounds the wait for a server that does not answer.
  bool Open(const std::string& connection, int loginSeconds);
  bool IsOpen() const { return open_; }
  // Off: every change waits for Commit or Rollback.
  bool SetAutoCommit(bool on);
  bool Commit();
  bool Rollback();

  SQLHDBC handle() const { return dbc_; }
  const std::string& Reason() const { return last_.reason; }
  const std::string& State() const { return last_.state; }
  // True when the last failure means the server is gone (SQLSTATE class 08, 57P…), or
  // the driver finds the connection dead.
  bool LostServer() const;
  // Keeps the reason of a failure on this connection's statement.
  void Keep(const Diagnostic& d) { last_ = d; }

 private:
  bool Check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle);
  SQLHENV env_ = SQL_NULL_HENV;
  SQLHDBC dbc_ = SQL_NULL_HDBC;
  bool open_ = false;
  Diagnostic last_;
};

class Statement {
 public:
  Statement(Connection& connection, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Parameters count from 1, in the order of the ? marks.
  void Bind(int index, int64_t value);
  void BindGbk(int index, std::string_view gbk);
  void BindNull(int index);

  // Runs with the parameters bound; false with the reason in the connection.
  bool Execute();
  // Moves to the next row: true with *row, false on failure.
  bool Fetch(bool* row);
  // Runs, fetches the first row's first column as a number (*found false when no row).
  bool ExecuteScalar(int64_t* value, bool* found);
  // Rows changed by the last Execute.
  int64_t RowCount();

  // Columns count from 0 (ODBC's 1 is added here), read left to right once per row.
  int64_t Int(int col);
  std::string Gbk(int col);
  bool WasNull() const { return null_; }

 private:
  struct Param {
    bool isText = false, isNull = false;
    int64_t number = 0;
    WideText text;
    SQLLEN length = 0;
  };
  bool Check(SQLRETURN rc);
  Connection& connection_;
  SQLHSTMT stmt_ = SQL_NULL_HSTMT;
  std::string sql_;
  bool prepared_ = false, null_ = false;
  std::vector<Param> params_;
};

}  // namespace book::odbc
