// Backing up and restoring real book files, with the book open all along.
#include <gtest/gtest.h>

#include "book/core/BookErrors.h"
#include "book/core/NoteBook.h"
#include "tests/book/BookTestSupport.h"

namespace book {
namespace {

using test::Note;
using test::TempBook;

TEST(Backup, ACopyRestoresTheBookAndTheReplacedOneIsKept) {
  TempBook file("live"), copy("copy"), kept("kept");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("A1", "张三", "2024-01-05", "a1"));
  std::string why;
  ASSERT_TRUE(book->BackupTo(copy.path(), &why)) << why;
  test::Record(*book, Note("A2", "张三", "2024-01-06", "a2"));

  ASSERT_TRUE(book->RestoreFrom(copy.path(), kept.path(), &why)) << why;
  ASSERT_EQ(book->List({}).value.size(), 1u);
  test::Record(*book, Note("A3", "李四", "2024-01-07", "a3"));  // the restored book works on
  EXPECT_EQ(book->List({}).value.size(), 2u);
  auto replaced = kept.Open();
  ASSERT_TRUE(replaced);
  EXPECT_EQ(replaced->List({}).value.size(), 2u);  // A1 and A2, as the book was
  EXPECT_EQ(copy.Open()->List({}).value.size(), 1u);
}

TEST(Backup, WhatIsNoUsableBookIsRefusedAndNothingIsReplaced) {
  TempBook file("live2"), other("other"), kept("kept2");
  auto book = file.Open();
  ASSERT_TRUE(book);
  test::Record(*book, Note("A1", "张三", "2024-01-05", "a1"));
  { test::RawConnection(other.path()).Exec("CREATE TABLE t(x)"); }
  const std::string text = ::testing::TempDir() + "not_a_book.txt";
  test::WriteBytes(text, std::string(5000, 'x'));
  struct Refused {
    std::string path, why;
  };
  for (const Refused& r :
       {Refused{other.path(), reason::kNotABook}, Refused{text, reason::kNotABook},
        Refused{text + ".missing", "无法打开备份文件"}, Refused{file.path(), "备份文件不能是账本本身"}}) {
    std::string why;
    EXPECT_FALSE(book->RestoreFrom(r.path, kept.path(), &why)) << r.path;
    EXPECT_EQ(why, r.why) << r.path;
  }
  EXPECT_EQ(book->List({}).value.size(), 1u);
  EXPECT_EQ(test::ReadBytes(kept.path()), "");  // never made
  std::string why;
  EXPECT_FALSE(book->BackupTo(file.path(), &why));
  std::remove(text.c_str());
}

}  // namespace
}  // namespace book
