#include "tests/bookstores/StoreTestSupport.h"

#include "book/server/Odbc.h"

namespace book::test {

bool RunSql(const std::string& connection, const std::string& sql, std::string* why) {
  odbc::Connection db;
  if (!db.Open(connection, 10)) return *why = db.Reason(), false;
  odbc::Statement s(db, sql.c_str());
  if (!s.Execute()) return *why = db.Reason(), false;
  return true;
}

std::string QueryText(const std::string& connection, const std::string& sql) {
  odbc::Connection db;
  bool row = false;
  if (!db.Open(connection, 10)) return "";
  odbc::Statement s(db, sql.c_str());
  return s.Execute() && s.Fetch(&row) && row ? s.Gbk(0) : "";
}

}  // namespace book::test
