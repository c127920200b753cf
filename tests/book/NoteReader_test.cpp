#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "book/core/NoteBook.h"

namespace book {
namespace {

// A grid's cell texts; cells not set are empty.
struct Cells {
  int rows = 24, cols = 7;
  std::map<std::pair<int, int>, std::string> texts;

  Cells& Set(int r, int c, std::string text) {
    texts[{r, c}] = std::move(text);
    return *this;
  }
  bool Read(NoteRecord* note, std::string* why = nullptr) const {
    return ReadNote(
        [this](int r, int c) {
          auto it = texts.find({r, c});
          return it == texts.end() ? std::string() : it->second;
        },
        rows, cols, note, why);
  }
};

std::string Spaces(int n) { return std::string(size_t(n), ' '); }

TEST(ReadNote, TitlesAsTheTraderFilledThemIn) {
  Cells cells;
  cells.Set(0, 0, "销售单号：NO.20240105001" + Spaces(34) + "客户名称：张三建材")
      .Set(1, 0, "经手人：李四" + Spaces(30) + "日期：2024年1月5日");
  NoteRecord note;
  note.printTitle = "送货单";
  note.filePath = "D:\\单据\\a.qgd";
  ASSERT_TRUE(cells.Read(&note));
  EXPECT_EQ(note.number, "NO.20240105001");
  EXPECT_EQ(note.customer, "张三建材");
  EXPECT_EQ(note.handler, "李四");
  EXPECT_EQ(note.noteDate, "2024-01-05");
  EXPECT_EQ(note.printTitle, "送货单");  // the caller's
  EXPECT_EQ(note.filePath, "D:\\单据\\a.qgd");
}

TEST(ReadNote, TitleVariants) {
  struct Case {
    std::string title1, title2, number, customer, handler, date;
  } cases[] = {
      // The layout as the program starts it: no number, customer or handler yet.
      {"销售单号：" + Spaces(36) + "客户名称：", "经手人：" + Spaces(37) + "日期：2024年12月31日", "", "", "",
       "2024-12-31"},
      // Ideographic spaces and a handler typed without spaces; other date forms.
      {"销售单号：\xA1\xA1"
       "A-7\xA1\xA1客户名称：\xA1\xA1王五\xA1\xA1",
       "经手人：赵六日期：2024-2-29 星期四", "A-7", "王五", "赵六", "2024-02-29"},
      {"销售单号：X1", "日期：2024/3/1", "X1", "", "", "2024-03-01"},
      // No real day, no date at all.
      {"销售单号：1 客户名称：甲", "经手人：乙 日期：2023年2月29日", "1", "甲", "乙", ""},
      {"销售单号：1", "", "1", "", "", ""},
  };
  for (const Case& c : cases) {
    Cells cells;
    cells.Set(0, 0, c.title1).Set(1, 0, c.title2);
    NoteRecord note;
    ASSERT_TRUE(cells.Read(&note)) << c.title1;
    EXPECT_EQ(note.number, c.number) << c.title1;
    EXPECT_EQ(note.customer, c.customer) << c.title1;
    EXPECT_EQ(note.handler, c.handler) << c.title2;
    EXPECT_EQ(note.noteDate, c.date) << c.title2;
  }
}

TEST(ReadNote, ItemRowsKeepTheirTextsAndTheTotalSumsTheAmounts) {
  Cells cells;
  cells.Set(0, 0, "销售单号：1");
  cells.Set(3, 1, " 120×60").Set(3, 2, "2").Set(3, 3, "平方米").Set(3, 4, "3.5").Set(3, 5, "7");
  cells.Set(4, 6, "   ");   // blank: not an item
  cells.Set(5, 6, "赠品");  // only a remark: an item
  cells.Set(6, 5, "1e1");
  cells.Set(7, 5, "\xA3\xB1\xA3\xB2");  // full-width 12
  cells.Set(22, 5, "abc");
  cells.Set(23, 5, "小写金额：999");  // the total row is not read
  NoteRecord note;
  ASSERT_TRUE(cells.Read(&note));
  ASSERT_EQ(note.items.size(), 5u);
  const NoteItem& first = note.items[0];
  EXPECT_EQ(first.row, 1);
  EXPECT_EQ(first.dimensions, " 120×60");
  EXPECT_EQ(first.quantity, "2");
  EXPECT_EQ(first.unit, "平方米");
  EXPECT_EQ(first.price, "3.5");
  EXPECT_EQ(first.amount, "7");
  EXPECT_EQ(note.items[1].row, 3);
  EXPECT_EQ(note.items[1].remarks, "赠品");
  EXPECT_EQ(note.items[4].row, 20);
  EXPECT_EQ(note.total, 29 * kMoneyScale);

  cells.Set(8, 5, "1e30");  // beyond what the book can add up: said, not wrapped
  std::string why;
  EXPECT_FALSE(cells.Read(&note, &why));
  EXPECT_EQ(why, "金额超出范围：第6行");
}

TEST(ReadNote, GridsThatAreNoNotes) {
  NoteRecord note;
  std::string why;
  Cells small;
  small.rows = 22;
  small.Set(0, 0, "销售单号：1");
  EXPECT_FALSE(small.Read(&note, &why));
  EXPECT_NE(why.find("行数或列数不够"), std::string::npos);
  Cells narrow;
  narrow.cols = 6;
  narrow.Set(0, 0, "销售单号：1");
  EXPECT_FALSE(narrow.Read(&note));

  Cells untitled;
  untitled.Set(0, 0, "客户名称：张三");
  EXPECT_FALSE(untitled.Read(&note, &why));
  EXPECT_NE(why.find("销售单号："), std::string::npos);
  // The label's bytes across character boundaries (a character ending in its first
  // byte) are not the label.
  Cells misaligned;
  misaligned.Set(0, 0,
                 "\xB0"
                 "销售单号：X");
  EXPECT_FALSE(misaligned.Read(&note));
}

}  // namespace
}  // namespace book
