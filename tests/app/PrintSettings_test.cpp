// print.ini read and written, and the note's print options made from it.
#include "app/core/PrintSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace app::print {
namespace {

TEST(PrintSettingsFile, ReadsTheSectionAndKeepsDefaultsForBadValues) {
  PrintSettings s = ParsePrintSettings(
      "\xEF\xBB\xBF[other]\r\nPaper=A4\r\n[print]\r\nPaper = 241x140\r\nFilledRowsOnly=1\r\n; note\r\n"
      "FitToSheet=2\r\nOffsetX=-30\r\nOffsetY=31\r\nSignLine=送货人：__  "
      "收货人签字：__\r\nHidePrices=yes\r\n");
  EXPECT_EQ(s.paperWidth, 241);
  EXPECT_EQ(s.paperHeight, 140);
  EXPECT_TRUE(s.filledRowsOnly);
  EXPECT_FALSE(s.fitToSheet);
  EXPECT_EQ(s.offsetX, -30);
  EXPECT_EQ(s.offsetY, 0);
  EXPECT_EQ(s.signLine, "送货人：__  收货人签字：__");
  EXPECT_FALSE(s.hidePrices);
  EXPECT_TRUE(ParsePrintSettings(std::string("\0\xff[print\nPaper=", 15)).IsDefault());
}

TEST(PrintSettingsFile, PaperNamesAndSizes) {
  int w = -1, h = -1;
  EXPECT_TRUE(ParsePaperName("A5L", &w, &h));
  EXPECT_EQ(w * 1000 + h, 210148);
  EXPECT_TRUE(ParsePaperName("210x140", &w, &h));
  EXPECT_EQ(PaperName(w, h), "210x140");
  EXPECT_TRUE(ParsePaperName("printer", &w, &h));
  EXPECT_EQ(w + h, 0);
  EXPECT_FALSE(ParsePaperName("49x140", &w, &h));
  EXPECT_FALSE(ParsePaperName("241x501", &w, &h));
  EXPECT_FALSE(ParsePaperName("x", &w, &h));

  PrintSettings s;
  s.paperWidth = 241;
  s.paperHeight = 93;
  s.fitToSheet = true;
  s.offsetY = 5;
  s.subtitle = "地址：某路 1 号";
  EXPECT_EQ(ParsePrintSettings(FormatPrintSettings(s)), s);
  EXPECT_NE(FormatPrintSettings(s).find("Paper=241x93\r\n"), std::string::npos);
}

bool OnlyRows4And7(int row) { return row == 4 || row == 7; }

TEST(NotePrintOptions, DefaultsSetNoneAndTheOthersSayWhatToPrint) {
  EXPECT_EQ(NotePrintOptions(PrintSettings(), &OnlyRows4And7), "");
  PrintSettings s;
  s.filledRowsOnly = true;
  s.paperWidth = 241;
  s.paperHeight = 140;
  s.hidePrices = true;
  std::string t = NotePrintOptions(s, &OnlyRows4And7);
  EXPECT_NE(t.find("Paper=2410,1400\n"), std::string::npos);
  EXPECT_NE(t.find("Rows=0,1,2,4,7,23\nRepeatRows=3\nTailRows=1\n"), std::string::npos);
  EXPECT_NE(t.find("Cell=22,5,\n"), std::string::npos);
  EXPECT_NE(t.find("Cell=23,1,大写金额：\n"), std::string::npos);
  s.hidePrices = false;
  s.filledRowsOnly = false;
  s.signLine = "a\nb";
  t = NotePrintOptions(s, &OnlyRows4And7);
  EXPECT_NE(t.find("Rows=0,1,2,3,4,5,"), std::string::npos);
  EXPECT_NE(t.find("SignLine=a b\n"), std::string::npos);
  EXPECT_EQ(t.find("Cell="), std::string::npos);
}

}  // namespace
}  // namespace app::print
