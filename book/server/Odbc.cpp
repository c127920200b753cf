#include "book/server/Odbc.h"

#include "book/core/BookText.h"
#include "book/core/GbkScan.h"
#include "text/GbkText.h"

namespace book::odbc {

namespace {

constexpr SQLWCHAR kPrivateBase = 0xF700;

void AppendUtf8AsWide(std::string_view utf8, WideText* wide) {
  const std::u16string units = text::Utf8ToUtf16(utf8);
  wide->append(units.begin(), units.end());
}

std::string WideToUtf8(const SQLWCHAR* wide, size_t size) {
  return text::Utf16ToUtf8(std::u16string(wide, wide + size));
}

WideText Widen(const char* ascii) {
  WideText wide;
  for (; *ascii; ++ascii) wide.push_back(SQLWCHAR(static_cast<unsigned char>(*ascii)));
  return wide;
}

}  // namespace

WideText GbkToWide(std::string_view gbk) {
  WideText wide;
  std::string utf8;
  if (GbkToStoredUtf8(gbk, &utf8)) {
    AppendUtf8AsWide(utf8, &wide);
    return wide;
  }
  // Character by character, so only the bytes without a character go private.
  for (size_t i = 0; i < gbk.size();) {
    size_t n = GbkCharLength(gbk, i);
    if (GbkToStoredUtf8(gbk.substr(i, n), &utf8)) {
      AppendUtf8AsWide(utf8, &wide);
    } else {
      for (size_t k = 0; k < n; ++k)
        wide.push_back(SQLWCHAR(kPrivateBase + static_cast<unsigned char>(gbk[i + k])));
    }
    i += n;
  }
  return wide;
}

std::string WideToGbk(const WideText& wide) {
  std::string gbk;
  size_t start = 0;
  auto flush = [&](size_t end) {
    if (end > start) gbk += StoredUtf8ToGbk(WideToUtf8(wide.data() + start, end - start));
  };
  for (size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] >= kPrivateBase && wide[i] <= kPrivateBase + 0xFF) {
      flush(i);
      gbk.push_back(char(wide[i] - kPrivateBase));
      start = i + 1;
    }
  }
  flush(wide.size());
  return gbk;
}

Diagnostic ReadDiagnostic(SQLSMALLINT type, SQLHANDLE handle) {
  Diagnostic d;
  for (SQLSMALLINT record = 1;; ++record) {
    SQLWCHAR state[6] = {}, message[1024] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetDiagRecW(type, handle, record, state, &native, message, 1024, &length);
    if (!SQL_SUCCEEDED(rc)) break;
    std::string code = WideToUtf8(state, 5);
    if (d.state.empty()) d.state = code;
    size_t size = length < 0 ? 0 : length > 1023 ? 1023 : size_t(length);
    WideText text(message, size);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (!d.reason.empty()) d.reason += "\n";
    d.reason += WideToGbk(text);
  }
  if (d.reason.empty()) d.reason = "服务器账本出错（没有说明）";
  return d;
}

Connection::Connection() {
  if (SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_))) {
    SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_))) dbc_ = SQL_NULL_HDBC;
  }
}

Connection::~Connection() {
  if (open_) {
    SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
    SQLDisconnect(dbc_);
  }
  if (dbc_ != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
  if (env_ != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

bool Connection::Check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle) {
  if (SQL_SUCCEEDED(rc)) return true;
  last_ = ReadDiagnostic(type, handle);
  return false;
}

bool Connection::Open(const std::string& connection, int loginSeconds) {
  if (dbc_ == SQL_NULL_HDBC) {
    last_ = Diagnostic{"HY001", "无法使用 ODBC（驱动管理器没有装好）"};
    return false;
  }
  SQLSetConnectAttr(dbc_, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLLEN(loginSeconds)), 0);
  WideText text = GbkToWide(connection);
  SQLWCHAR out[1024];
  SQLSMALLINT outLength = 0;
  SQLRETURN rc = SQLDriverConnectW(dbc_, nullptr, text.data(), SQLSMALLINT(text.size()), out, 1024,
                                   &outLength, SQL_DRIVER_NOPROMPT);
  open_ = Check(rc, SQL_HANDLE_DBC, dbc_);
  return open_;
}

bool Connection::SetAutoCommit(bool on) {
  SQLPOINTER value = reinterpret_cast<SQLPOINTER>(SQLULEN(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF));
  return Check(SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, value, 0), SQL_HANDLE_DBC, dbc_);
}

bool Connection::Commit() {
  return Check(SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_COMMIT), SQL_HANDLE_DBC, dbc_);
}

bool Connection::Rollback() {
  return Check(SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK), SQL_HANDLE_DBC, dbc_);
}

bool Connection::LostServer() const {
  const std::string& s = last_.state;
  if (s.compare(0, 2, "08") == 0 || s.compare(0, 3, "57P") == 0 || s == "HYT00" || s == "HYT01") return true;
  SQLUINTEGER dead = SQL_CD_FALSE;
  SQLRETURN rc = SQLGetConnectAttr(dbc_, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr);
  return SQL_SUCCEEDED(rc) && dead == SQL_CD_TRUE;
}

Statement::Statement(Connection& connection, const char* sql) : connection_(connection), sql_(sql) {
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection.handle(), &stmt_))) {
    stmt_ = SQL_NULL_HSTMT;
    connection_.Keep(ReadDiagnostic(SQL_HANDLE_DBC, connection.handle()));
    return;
  }
  WideText text = Widen(sql);
  prepared_ = Check(SQLPrepareW(stmt_, text.data(), SQLINTEGER(text.size())));
}

Statement::~Statement() {
  if (stmt_ != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
}

bool Statement::Check(SQLRETURN rc) {
  if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return true;
  connection_.Keep(ReadDiagnostic(SQL_HANDLE_STMT, stmt_));
  return false;
}

void Statement::Bind(int index, int64_t value) {
  if (params_.size() < size_t(index)) params_.resize(size_t(index));
  params_[size_t(index - 1)] = Param{false, false, value, {}, 0};
}

void Statement::BindGbk(int index, std::string_view gbk) {
  if (params_.size() < size_t(index)) params_.resize(size_t(index));
  Param& p = params_[size_t(index - 1)];
  p = Param{true, false, 0, GbkToWide(gbk), 0};
}

void Statement::BindNull(int index) {
  if (params_.size() < size_t(index)) params_.resize(size_t(index));
  params_[size_t(index - 1)] = Param{false, true, 0, {}, 0};
}

bool Statement::Execute() {
  if (!prepared_) return false;
  SQLFreeStmt(stmt_, SQL_CLOSE);
  for (size_t i = 0; i < params_.size(); ++i) {
    Param& p = params_[i];
    SQLUSMALLINT number = SQLUSMALLINT(i + 1);
    SQLRETURN rc;
    if (p.isText) {
      p.length = SQLLEN(p.text.size() * sizeof(SQLWCHAR));
      SQLULEN chars = p.text.empty() ? 1 : p.text.size();
      rc = SQLBindParameter(stmt_, number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, chars, 0,
                            const_cast<SQLWCHAR*>(p.text.c_str()), p.length, &p.length);
    } else {
      p.length = p.isNull ? SQL_NULL_DATA : 0;
      rc = SQLBindParameter(stmt_, number, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &p.number, 0,
                            &p.length);
    }
    if (!Check(rc)) return false;
  }
  return Check(SQLExecute(stmt_));
}

bool Statement::Fetch(bool* row) {
  SQLRETURN rc = SQLFetch(stmt_);
  *row = SQL_SUCCEEDED(rc);
  return Check(rc);
}

bool Statement::ExecuteScalar(int64_t* value, bool* found) {
  if (!Execute() || !Fetch(found)) return false;
  if (*found) *value = Int(0);
  return true;
}

int64_t Statement::RowCount() {
  SQLLEN count = 0;
  SQLRowCount(stmt_, &count);
  return int64_t(count);
}

int64_t Statement::Int(int col) {
  SQLBIGINT value = 0;
  SQLLEN indicator = 0;
  SQLGetData(stmt_, SQLUSMALLINT(col + 1), SQL_C_SBIGINT, &value, sizeof value, &indicator);
  null_ = indicator == SQL_NULL_DATA;
  return null_ ? 0 : int64_t(value);
}

std::string Statement::Gbk(int col) {
  WideText text;
  SQLWCHAR chunk[512];
  for (;;) {
    SQLLEN indicator = 0;
    SQLRETURN rc = SQLGetData(stmt_, SQLUSMALLINT(col + 1), SQL_C_WCHAR, chunk, sizeof chunk, &indicator);
    if (rc == SQL_NO_DATA || !SQL_SUCCEEDED(rc)) break;
    null_ = indicator == SQL_NULL_DATA;
    if (null_) return {};
    size_t got = indicator == SQL_NO_TOTAL || size_t(indicator) >= sizeof chunk
                     ? sizeof chunk / sizeof chunk[0] - 1
                     : size_t(indicator) / sizeof(SQLWCHAR);
    text.append(chunk, got);
    if (rc == SQL_SUCCESS) break;
  }
  return WideToGbk(text);
}

}  // namespace book::odbc
