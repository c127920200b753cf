// Fresh books of either kind for the behaviour suite: a file in the test's temporary
// folder, or a database of its own on the test cluster (tools/pg-test-cluster.sh),
// whose connection string comes from QH_TEST_SERVER or the file QH_TEST_SERVER_FILE
// names. No cluster is a failure, never a skip: the server book must work here.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "book/core/NoteBook.h"
#include "book/server/ServerStore.h"

namespace book::test {

enum class StoreKind { kFile, kServer };

inline std::string TestServer() {
  if (const char* given = std::getenv("QH_TEST_SERVER")) return given;
  std::string text;
  if (const char* file = std::getenv("QH_TEST_SERVER_FILE")) std::getline(std::ifstream(file), text);
  return text;
}

// Runs `sql` on the database of `connection`, committing at once; false with the
// server's reason. (Apart, so no test sees the platform headers ODBC brings.)
bool RunSql(const std::string& connection, const std::string& sql, std::string* why);
// The first column of the first row of `sql` as text ("" when none).
std::string QueryText(const std::string& connection, const std::string& sql);

inline bool AdminExec(const std::string& sql, std::string* why) { return RunSql(TestServer(), sql, why); }

// The connection string of a database of its own, made empty.
inline std::string FreshServerBook(const std::string& name) {
  std::string server = TestServer();
  EXPECT_FALSE(server.empty()) << "no test server: start tools/pg-test-cluster.sh (ctest does)";
  std::string database = name + "_" + std::to_string(sizeof(void*) * 8);
  std::string why;
  EXPECT_TRUE(AdminExec("DROP DATABASE IF EXISTS " + database + " WITH (FORCE)", &why)) << why;
  EXPECT_TRUE(AdminExec("CREATE DATABASE " + database, &why)) << why;
  size_t at = server.find("Database=");
  size_t end = server.find(';', at);
  return server.substr(0, at) + "Database=" + database + server.substr(end);
}

// One place, either kind; books opened on it share it as two PCs would.
class TestPlace {
 public:
  TestPlace(StoreKind kind, const std::string& name) : kind_(kind) {
    if (kind == StoreKind::kServer) {
      where_ = FreshServerBook(name);
    } else {
      where_ = ::testing::TempDir() + "stores_" + name + ".db";
      Remove();
    }
  }
  ~TestPlace() {
    if (kind_ == StoreKind::kFile) Remove();
  }
  const std::string& where() const { return where_; }

  std::unique_ptr<NoteBook> Open() const {
    std::string why;
    auto book = kind_ == StoreKind::kServer ? OpenServerBook(where_, &why) : NoteBook::Open(where_, &why);
    EXPECT_TRUE(book) << why;
    return book;
  }

 private:
  void Remove() const {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::remove((where_ + suffix).c_str());
  }
  StoreKind kind_;
  std::string where_;
};

inline std::string KindName(const ::testing::TestParamInfo<StoreKind>& info) {
  return info.param == StoreKind::kServer ? "Server" : "File";
}

}  // namespace book::test
