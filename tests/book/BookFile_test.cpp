// The book file itself: made on first use, upgraded, and left alone when it is damaged,
// another program's, newer, or locked.
#include <gtest/gtest.h>

#include <algorithm>

#include "book/core/BookErrors.h"
#include "book/core/BookSchema.h"
#include "book/core/NoteBook.h"
#include "tests/book/BookTestSupport.h"

namespace book {
namespace {

using test::RawConnection;
using test::ReadBytes;
using test::TempBook;
using test::WriteBytes;

// Opening must fail with `reason` and leave the file's bytes as they were.
void ExpectRefused(const TempBook& file, const std::string& reason) {
  std::string before = ReadBytes(file.path()), why;
  EXPECT_FALSE(NoteBook::Open(file.path(), &why, 100));
  EXPECT_EQ(why, reason);
  EXPECT_EQ(ReadBytes(file.path()), before);
}

TEST(BookFile, MadeOnFirstUseButNoFolderIsMade) {
  TempBook file("new");
  ASSERT_TRUE(file.Open());
  RawConnection raw(file.path());
  EXPECT_EQ(raw.Text("PRAGMA application_id"), std::to_string(kBookApplicationId));
  EXPECT_EQ(raw.Text("PRAGMA user_version"), std::to_string(kBookVersion));

  std::string why;
  EXPECT_FALSE(NoteBook::Open(::testing::TempDir() + "no-such-folder/book.db", &why));
  EXPECT_EQ(why, reason::kCannotOpen);
}

TEST(BookFile, FilesThatAreNoUsableBookAreLeftAlone) {
  TempBook file("refused");
  WriteBytes(file.path(), std::string(4096, 'x'));
  ExpectRefused(file, reason::kDamaged);

  std::remove(file.path().c_str());
  { RawConnection(file.path()).Exec("CREATE TABLE t(a); INSERT INTO t VALUES(1)"); }
  ExpectRefused(file, reason::kNotABook);

  std::remove(file.path().c_str());
  ASSERT_TRUE(file.Open());
  { RawConnection(file.path()).Exec("PRAGMA user_version = " + std::to_string(kBookVersion + 1)); }
  ExpectRefused(file, reason::kNewer);
}

TEST(BookFile, DamageInsideTheBookIsReportedAndNothingIsWritten) {
  TempBook file("damaged");
  {
    auto book = file.Open();
    ASSERT_TRUE(book);
    std::vector<NoteRecord> notes;
    for (int i = 0; i < 300; ++i)
      notes.push_back(test::Note(std::to_string(i), "客户" + std::to_string(i % 7), "2024-01-05",
                                 "f" + std::to_string(i), {test::Item(1, "规格", "片", "1", "1")}));
    std::string why;
    ASSERT_TRUE(book->RecordAll(notes, &why)) << why;
  }
  // Every page after the first (the schema) overwritten.
  std::string bytes = ReadBytes(file.path());
  ASSERT_GT(bytes.size(), 8192u);
  std::fill(bytes.begin() + 4096, bytes.end(), '\x5A');
  WriteBytes(file.path(), bytes);

  std::string why;
  auto book = NoteBook::Open(file.path(), &why, 100);
  if (book) {  // the damage lies beyond what opening reads
    Answer<std::vector<NoteSummary>> listed = book->List({});
    EXPECT_FALSE(listed.ok);  // not "no notes"
    EXPECT_EQ(listed.why, reason::kDamaged);
    EXPECT_FALSE(book->Payments("客户1").ok);
    EXPECT_FALSE(book->Customers().ok);
    EXPECT_FALSE(book->LastItemFor("客户1", "规格").ok);
    EXPECT_EQ(book->GetNumberFormat().why, reason::kDamaged);
    EXPECT_FALSE(book->Record(test::Note("X", "甲", "2024-01-05", "x"), &why));
    EXPECT_EQ(why, reason::kDamaged);
    Statement statement;
    EXPECT_FALSE(book->MakeStatement("客户1", "2024-01-01", "2024-01-31", &statement, &why));
    EXPECT_EQ(why, reason::kDamaged);
    book.reset();
  } else {
    EXPECT_EQ(why, reason::kDamaged);
  }
  EXPECT_EQ(ReadBytes(file.path()), bytes);
}

TEST(BookFile, ABookLockedByAnotherProgramIsReportedNotWaitedForEver) {
  TempBook file("locked");
  auto book = file.Open(100);
  ASSERT_TRUE(book);
  {
    RawConnection other(file.path());
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
    std::string why, number;
    EXPECT_FALSE(book->Record(test::Note("1", "甲", "2024-01-05", "x"), &why));
    EXPECT_EQ(why, reason::kBusy);
    EXPECT_FALSE(book->NextNumber("2024-01-05", &number, &why));
    EXPECT_EQ(why, reason::kBusy);
    Answer<std::vector<NoteSummary>> listed = book->List({});  // readers go on
    EXPECT_TRUE(listed.ok && listed.value.empty());
  }
  test::Record(*book, test::Note("1", "甲", "2024-01-05", "x"));
  book.reset();

  RawConnection holder(file.path());
  ASSERT_EQ(holder.Exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT"), SQLITE_OK);
  std::string why;
  EXPECT_FALSE(NoteBook::Open(file.path(), &why, 100));
  EXPECT_EQ(why, reason::kBusy);
}

// What SQLite plans for `sql`: the detail of every step, one a line.
std::string QueryPlan(const RawConnection& raw, const std::string& sql) {
  sqlite3_stmt* s = nullptr;
  std::string plan;
  EXPECT_EQ(sqlite3_prepare_v2(raw.get(), ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &s, nullptr), SQLITE_OK);
  while (sqlite3_step(s) == SQLITE_ROW)
    plan += reinterpret_cast<const char*>(sqlite3_column_text(s, 3)) + std::string("\n");
  sqlite3_finalize(s);
  return plan;
}

TEST(BookFile, AVersion1BookIsUpgradedWithItsData) {
  TempBook file("upgrade");
  {
    RawConnection raw(file.path());
    ASSERT_EQ(raw.Exec("BEGIN"), SQLITE_OK);
    ASSERT_EQ(UpgradeSchema(raw.get(), 0, 1), SQLITE_OK);
    ASSERT_EQ(
        raw.Exec(u8"INSERT INTO customers VALUES(1, '张三', 5);"
                 u8"INSERT INTO notes VALUES(1, 'NO.20240105007', 1, '', '2024-01-05', '', 7, 'a.qgd', 5);"
                 u8"INSERT INTO items VALUES(1, 1, 'S', '2', '片', '3.5', '7', '');"
                 u8"INSERT INTO settings VALUES('serial:NO.20240105', 7);"
                 u8"COMMIT"),
        SQLITE_OK);
  }
  auto book = file.Open();
  ASSERT_TRUE(book);
  EXPECT_EQ(RawConnection(file.path()).Text("PRAGMA user_version"), std::to_string(kBookVersion));
  std::vector<NoteSummary> notes = book->List({"张三", "", ""}).value;
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].number, "NO.20240105007");
  EXPECT_FALSE(notes[0].voided);
  EXPECT_EQ(book->LastItemFor("张三", "S").value->price, "3.5");
  std::string number, why;
  ASSERT_TRUE(book->NextNumber("2024-01-05", &number, &why)) << why;
  EXPECT_EQ(number, "NO.20240105008");
  EXPECT_EQ(RawConnection(file.path()).Text("SELECT count(*) FROM settings WHERE key GLOB 'serial:*'"), "0");
  // Saving looks up the record it replaces by an index, not by reading every note.
  RawConnection raw(file.path());
  std::string plan =
      QueryPlan(raw, "SELECT id FROM notes WHERE file_path = ?1 ORDER BY saved_at DESC, id DESC LIMIT 1");
  EXPECT_NE(plan.find("INDEX notes_by_file"), std::string::npos) << plan;
  plan = QueryPlan(raw, "SELECT id FROM notes WHERE number = ?1 AND number <> ''");
  EXPECT_NE(plan.find("INDEX notes_by_number"), std::string::npos) << plan;
}

}  // namespace
}  // namespace book
