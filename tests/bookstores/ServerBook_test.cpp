// What only the server book does: its schema version and upgrade, the upload of a file
// book into it, a backup of it as a file, and the reasons it gives when it cannot work.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "book/core/BookErrors.h"
#include "tests/book/BookTestSupport.h"
#include "tests/bookstores/StoreTestSupport.h"

namespace book {
namespace {

using test::Item;
using test::Note;
using test::StoreKind;
using test::TestPlace;

void RunSql(const std::string& connection, const std::string& sql) {
  std::string why;
  ASSERT_TRUE(test::RunSql(connection, sql, &why)) << why << "\n" << sql;
}

std::string Scalar(const std::string& connection, const std::string& sql) {
  return test::QueryText(connection, sql);
}

TEST(ServerBook, KeepsItsVersionAndUpgradesAnOlderBook) {
  TestPlace place(StoreKind::kServer, "version");
  ASSERT_TRUE(place.Open());
  EXPECT_EQ(Scalar(place.where(), "SELECT mark || ' ' || version FROM book_version"), "NoteWriter book 3");
  // A version-1 book (before payments and voided notes) is brought up to date and keeps
  // its notes.
  RunSql(place.where(), "DROP TABLE payments");
  RunSql(place.where(), "ALTER TABLE notes DROP COLUMN voided");
  RunSql(place.where(), "UPDATE book_version SET version = 1");
  {
    auto book = place.Open();
    ASSERT_TRUE(book);
    test::Record(*book, Note("N1", "甲", "2024-01-01", "1"));
  }
  auto book = place.Open();
  ASSERT_TRUE(book);
  EXPECT_EQ(Scalar(place.where(), "SELECT version FROM book_version"), "3");
  Payment p{0, "甲", "2024-01-02", "", 100 * kMoneyScale};
  std::string why;
  EXPECT_TRUE(book->RecordPayment(&p, &why)) << why;
  EXPECT_EQ(book->List({}).value.size(), 1u);
}

TEST(ServerBook, RefusesANewerBookAndAnotherProgramsDatabase) {
  TestPlace newer(StoreKind::kServer, "newer");
  ASSERT_TRUE(newer.Open());
  RunSql(newer.where(), "UPDATE book_version SET version = 99");
  std::string why;
  EXPECT_FALSE(OpenServerBook(newer.where(), &why));
  EXPECT_EQ(why, reason::kServerNewer);

  TestPlace other(StoreKind::kServer, "other");
  RunSql(other.where(), "CREATE TABLE orders(id INTEGER)");
  EXPECT_FALSE(OpenServerBook(other.where(), &why));
  EXPECT_EQ(why, reason::kServerNotABook);
  EXPECT_EQ(
      Scalar(other.where(), "SELECT count(*) FROM information_schema.tables WHERE table_schema = 'public'"),
      "1");  // left as it was
}

TEST(ServerBook, AWrongPasswordGivesTheServersReason) {
  std::string connection = test::TestServer();
  size_t at = connection.find("Pwd=");
  ASSERT_NE(at, std::string::npos);
  connection = connection.substr(0, at) + "Pwd=wrong;";
  std::string why;
  EXPECT_FALSE(OpenServerBook(connection, &why));
  EXPECT_EQ(why.rfind(reason::kServerUnreachable, 0), 0u) << why;
  EXPECT_NE(why.find("password"), std::string::npos) << why;
}

TEST(ServerBook, UploadCopiesAFileBookIntoAnEmptyOneAndRefusesAFullOne) {
  TestPlace file(StoreKind::kFile, "upload"), server(StoreKind::kServer, "upload");
  auto local = file.Open();
  ASSERT_TRUE(local);
  std::string why, number;
  ASSERT_TRUE(local->NextNumber("2026-12-09", &number, &why));
  test::Record(*local, Note(number, "张三", "2026-12-09", "a.qgd",
                            {Item(1, "S", "片", "3", "3"), Item(2, "T", "块", "2", "4")}));
  test::Record(*local, Note("", "李四", "2026-12-08", "draft.qgd", {Item(1, "U", "套", "1.1", "1.1")}));
  test::Record(*local, Note("V1", "李四", "2026-12-07", "v.qgd", {Item(1, "\xAA\xA1", "套", "2", "2")}));
  ASSERT_TRUE(local->SetVoided("V1", true, &why)) << why;
  Payment p{0, "张三", "2026-12-09", "现金", 5 * kMoneyScale};
  ASSERT_TRUE(local->RecordPayment(&p, &why)) << why;

  auto remote = server.Open();
  ASSERT_TRUE(remote);
  CopyCounts counts;
  ASSERT_TRUE(local->CopyInto(*remote, &counts, &why)) << why;
  EXPECT_EQ(counts.notes, 3u);
  EXPECT_EQ(counts.items, 4u);
  EXPECT_EQ(counts.payments, 1u);
  EXPECT_EQ(counts.customers, 2u);
  EXPECT_EQ(counts.serials, 1u);
  EXPECT_EQ(remote->List({}).value.size(), 3u);
  EXPECT_TRUE(remote->IsVoided("V1").value);
  EXPECT_FALSE(remote->IsVoided(number).value);
  EXPECT_FALSE(remote->LastItemFor("李四", "\xAA\xA1").value);  // a voided note's prices do not count
  EXPECT_EQ(remote->LastItemFor("李四", "U").value->price, "1.1");
  EXPECT_EQ(remote->Payments("张三").value.at(0).remark, "现金");
  ASSERT_TRUE(remote->NextNumber("2026-12-09", &number, &why));
  EXPECT_EQ(number, "NO.20261209002");  // the serials came along

  // A second upload would mix two books: refused, nothing changed.
  EXPECT_FALSE(local->CopyInto(*remote, &counts, &why));
  EXPECT_EQ(why, reason::kNotEmpty);
  EXPECT_EQ(remote->List({}).value.size(), 3u);
  EXPECT_EQ(remote->Payments("张三").value.size(), 1u);
}

// Enough notes for several batches of rows: every note arrives with its own items.
TEST(ServerBook, UploadOfManyNotesKeepsEveryNotesItems) {
  TestPlace file(StoreKind::kFile, "upload_many"), server(StoreKind::kServer, "upload_many");
  auto local = file.Open();
  auto remote = server.Open();
  ASSERT_TRUE(local && remote);
  std::vector<NoteRecord> notes;
  for (int i = 0; i < 450; ++i) {
    std::string n = std::to_string(i), price = std::to_string(1 + i % 13);
    notes.push_back(Note("M" + n, "客户" + std::to_string(i % 7), "2026-11-" + std::to_string(10 + i % 20),
                         n + ".qgd",
                         {Item(1, "S" + n, "片", price, price), Item(2, "T" + n, "块", "1", "1")}));
  }
  std::string why;
  ASSERT_TRUE(local->RecordAll(notes, &why)) << why;
  CopyCounts counts;
  ASSERT_TRUE(local->CopyInto(*remote, &counts, &why)) << why;
  EXPECT_EQ(counts.items, 900u);
  for (int c = 0; c < 7; ++c) {
    Statement onFile, onServer;
    std::string customer = "客户" + std::to_string(c);
    ASSERT_TRUE(local->MakeStatement(customer, "2026-11-01", "2026-11-30", &onFile, &why)) << why;
    ASSERT_TRUE(remote->MakeStatement(customer, "2026-11-01", "2026-11-30", &onServer, &why)) << why;
    ASSERT_EQ(onServer.lines.size(), onFile.lines.size());
    for (size_t i = 0; i < onFile.lines.size(); ++i)
      EXPECT_EQ(onServer.lines[i].number + onServer.lines[i].dimensions + onServer.lines[i].amount,
                onFile.lines[i].number + onFile.lines[i].dimensions + onFile.lines[i].amount);
    EXPECT_EQ(onServer.closing, onFile.closing);
  }
}

TEST(ServerBook, BacksUpAsABookFileAndLeavesRestoringToTheFileBook) {
  TestPlace server(StoreKind::kServer, "backup");
  auto remote = server.Open();
  ASSERT_TRUE(remote);
  test::Record(*remote, Note("N1", "张三", "2026-12-09", "a.qgd", {Item(1, "S", "片", "3", "3")}));
  test::TempBook copy("from_server");
  std::string why;
  ASSERT_TRUE(remote->BackupTo(copy.path(), &why)) << why;
  auto file = copy.Open();
  ASSERT_TRUE(file);
  EXPECT_EQ(file->List({}).value.at(0).number, "N1");
  EXPECT_EQ(file->LastItemFor("张三", "S").value->unit, "片");
  file.reset();
  EXPECT_FALSE(remote->RestoreFrom(copy.path(), copy.path() + ".keep", &why));
  EXPECT_EQ(why, reason::kRestoreServer);
}

// The server drops the connection between two calls (restarted, say): the statement
// says the server cannot be reached instead of showing nothing, and the next call
// connects again.
TEST(ServerBook, ADroppedConnectionGivesAClearErrorAndTheNextCallReconnects) {
  TestPlace place(StoreKind::kServer, "dropped");
  auto remote = place.Open();
  ASSERT_TRUE(remote);
  test::Record(*remote, Note("N1", "张三", "2026-12-09", "a.qgd", {Item(1, "S", "片", "3", "3")}));
  RunSql(
      place.where(),
      "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = current_database() AND pid <> "
      "pg_backend_pid()");
  Statement s;
  std::string why;
  EXPECT_FALSE(remote->MakeStatement("张三", "2026-12-01", "2026-12-31", &s, &why));
  EXPECT_EQ(why.rfind(reason::kServerUnreachable, 0), 0u) << why;
  ASSERT_TRUE(remote->MakeStatement("张三", "2026-12-01", "2026-12-31", &s, &why)) << why;
  EXPECT_EQ(s.closing, 3 * kMoneyScale);
}

// Asks `sql` until it answers `want`, for a while at most.
void AwaitAnswer(const std::string& where, const std::string& sql, const std::string& want) {
  for (int i = 0; i < 200 && Scalar(where, sql) != want; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

// Runs `read` while its connection waits for the notes another connection has locked,
// and kills that connection from a third: the server gone in the middle of a read.
void KillDuring(const std::string& where, const std::function<void()>& read) {
  const std::string kill =
      "SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity WHERE datname = current_database() AND ";
  std::thread holder([&] {
    std::string why;  // fails when it is killed below
    test::RunSql(where, "DO $$ BEGIN LOCK TABLE notes; PERFORM pg_sleep(30); END $$", &why);
  });
  AwaitAnswer(where,
              "SELECT count(*) FROM pg_locks l JOIN pg_class c ON c.oid = l.relation WHERE c.relname = "
              "'notes' AND l.mode = 'AccessExclusiveLock' AND l.granted",
              "1");
  std::thread killer([&] {
    AwaitAnswer(where, kill + "wait_event_type = 'Lock'", "1");  // the reader, once it waits
    AwaitAnswer(where, kill + "wait_event = 'PgSleep'", "1");    // then the holder
  });
  read();
  killer.join();
  holder.join();
}

// The server stopped while a statement or the list is read: the call fails with the
// reason, never answers with an empty statement or list.
TEST(ServerBook, AReadCutOffByTheServerFailsWithTheReason) {
  TestPlace place(StoreKind::kServer, "cut");
  auto remote = place.Open();
  ASSERT_TRUE(remote);
  test::Record(*remote, Note("N1", "张三", "2026-12-09", "a.qgd", {Item(1, "S", "片", "3", "3")}));
  Statement s;
  std::string why;
  bool made = true;
  KillDuring(place.where(),
             [&] { made = remote->MakeStatement("张三", "2026-12-01", "2026-12-31", &s, &why); });
  EXPECT_FALSE(made);
  EXPECT_EQ(why.rfind(reason::kServerUnreachable, 0), 0u) << why;
  Answer<std::vector<NoteSummary>> list;
  KillDuring(place.where(), [&] { list = remote->List({"张三", "", ""}); });
  EXPECT_FALSE(list.ok);
  EXPECT_TRUE(list.value.empty());
  EXPECT_EQ(list.why.rfind(reason::kServerUnreachable, 0), 0u) << list.why;
  EXPECT_EQ(remote->List({"张三", "", ""}).value.size(), 1u);  // and back once it answers
}

}  // namespace
}  // namespace book
