// book.ini read and written: where this PC keeps its book.
#include "app/core/BookPlaceSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace app {
namespace {

TEST(BookPlaceFile, ReadsTheServerPlaceAndTakesAnythingElseForTheLocalBook) {
  BookPlaceSettings s = ParseBookPlaceSettings(
      "\xEF\xBB\xBF[print]\r\nPlace=server\r\n[BOOK]\r\n; the shop's server\r\n place = Server \r\n"
      "Connection = Driver={PostgreSQL Unicode};Server=10.0.0.2;Uid=店员;Pwd=a=b; \r\n");
  EXPECT_TRUE(s.onServer);
  EXPECT_EQ(s.connection, "Driver={PostgreSQL Unicode};Server=10.0.0.2;Uid=店员;Pwd=a=b;");
  EXPECT_EQ(ParseBookPlaceSettings(FormatBookPlaceSettings(s)), s);

  // A server without a connection, an unknown place or damaged bytes: the local book.
  EXPECT_FALSE(ParseBookPlaceSettings("[book]\nPlace=server\nConnection=  \n").onServer);
  EXPECT_FALSE(ParseBookPlaceSettings("[book]\nPlace=remote\nConnection=DSN=x;\n").onServer);
  EXPECT_EQ(ParseBookPlaceSettings(std::string("\0\xff[book\nPlace=server", 20)), BookPlaceSettings());
  BookPlaceSettings kept = ParseBookPlaceSettings("[book]\nPlace=local\nConnection=店里\n");
  EXPECT_FALSE(kept.onServer);
  EXPECT_EQ(kept.connection, "店里") << "kept for when the server is chosen again";

  // A line break typed into the connection cannot add a line to the file.
  s.connection = "DSN=a;\r\n[book]\r\nPlace=local";
  EXPECT_EQ(ParseBookPlaceSettings(FormatBookPlaceSettings(s)).connection, "DSN=a;[book]Place=local");
}

TEST(BookPlaceFile, ATextWithoutEqualsNamesADataSource) {
  EXPECT_EQ(ServerConnection(" 店里账本 "), "DSN=店里账本;");
  EXPECT_EQ(ServerConnection("DSN=shop;Uid=a"), "DSN=shop;Uid=a");
  EXPECT_EQ(ServerConnection(" \r\n"), "");
}

}  // namespace
}  // namespace app
