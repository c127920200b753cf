// The outbox's bytes: what is written reads back exactly; a damaged span is kept apart
// and never takes the entries around it with it.
#include "book/core/NoteOutbox.h"

#include <gtest/gtest.h>

namespace book {
namespace {

OutboxEntry Entry(const std::string& number, Money total) {
  OutboxEntry e;
  e.savedAt = "2026-12-09 10:11:12";
  e.note.number = number;
  e.note.customer = "华联建材";
  e.note.handler = "张三";
  e.note.noteDate = "2026-12-09";
  e.note.printTitle = "青禾系列软件";
  e.note.filePath = "C:\\单据\\" + number + ".qgd";
  e.note.total = total;
  e.note.items = {{1, "白松板", "2", "张", "3.5", "7", "1:2\n@entry 3 0\n"}, {3, "", "", "", "", "-1", ""}};
  return e;
}

void ExpectSame(const OutboxEntry& a, const OutboxEntry& b) {
  EXPECT_EQ(a.savedAt, b.savedAt);
  const NoteRecord &x = a.note, &y = b.note;
  EXPECT_EQ(std::tie(x.number, x.customer, x.handler, x.noteDate, x.printTitle, x.filePath, x.total),
            std::tie(y.number, y.customer, y.handler, y.noteDate, y.printTitle, y.filePath, y.total));
  ASSERT_EQ(x.items.size(), y.items.size());
  for (size_t i = 0; i < x.items.size(); ++i) {
    const NoteItem &p = x.items[i], &q = y.items[i];
    EXPECT_EQ(std::tie(p.row, p.dimensions, p.quantity, p.unit, p.price, p.amount, p.remarks),
              std::tie(q.row, q.dimensions, q.quantity, q.unit, q.price, q.amount, q.remarks));
  }
}

TEST(NoteOutbox, EntriesReadBackExactlyInOrder) {
  std::vector<OutboxEntry> entries = {Entry("", -7), Entry("NO.20261209001", INT64_MAX), Entry("A", 0)};
  entries[2].note.items.clear();
  OutboxContents back = ReadOutbox(WriteOutbox(entries));
  EXPECT_TRUE(back.damaged.empty());
  ASSERT_EQ(back.entries.size(), 3u);
  for (size_t i = 0; i < 3; ++i) ExpectSame(back.entries[i], entries[i]);
  EXPECT_TRUE(ReadOutbox(WriteOutbox({})).entries.empty());
  EXPECT_TRUE(ReadOutbox("").damaged.empty());
}

// A changed byte, a cut-off end and stray text each become one damaged span; every
// whole entry still reads.
TEST(NoteOutbox, DamageIsKeptApartFromTheWholeEntries) {
  std::string one = WriteOutbox({Entry("1", 1)}), two = WriteOutbox({Entry("2", 2)});
  std::string header = one.substr(0, one.find('@'));
  std::string body1 = one.substr(header.size()), body2 = two.substr(header.size());
  std::string flipped = body1;
  flipped[flipped.find("华联")] = 'x';

  OutboxContents c =
      ReadOutbox(header + body1 + flipped + body2 + "stray text\n" + body2 + body2.substr(0, 30));
  ASSERT_EQ(c.entries.size(), 3u);
  EXPECT_EQ(c.entries[0].note.number, "1");
  EXPECT_EQ(c.entries[1].note.number, "2");
  EXPECT_EQ(c.entries[2].note.number, "2");
  ASSERT_EQ(c.damaged.size(), 3u);
  EXPECT_EQ(c.damaged[0], flipped);
  EXPECT_EQ(c.damaged[1], "stray text\n");
  EXPECT_EQ(c.damaged[2], body2.substr(0, 30));

  OutboxContents noHeader = ReadOutbox(body2);
  EXPECT_EQ(noHeader.entries.size(), 1u);
  EXPECT_TRUE(noHeader.damaged.empty());
  EXPECT_EQ(ReadOutbox("@entry 99999999999 0\n").damaged.size(), 1u);
}

}  // namespace
}  // namespace book
