// Where this PC keeps its note book (book.ini, section [book]): this PC's file, the
// default, or a server book with its ODBC connection string. The text here is GBK; the
// file's UTF-8 is converted where it is read and written. A missing or bad file is the
// local book, so a damaged file never stops the program.
#pragma once

#include <string>
#include <string_view>

namespace app {

struct BookPlaceSettings {
  bool onServer = false;
  std::string connection;  // as typed: a connection string, or a data source name
  bool operator==(const BookPlaceSettings& o) const {
    return onServer == o.onServer && connection == o.connection;
  }
};

BookPlaceSettings ParseBookPlaceSettings(std::string_view gbkText);
std::string FormatBookPlaceSettings(const BookPlaceSettings& settings);

// The connection string of what the trader typed: a text without '=' names a data
// source ("DSN=name;"); "" when nothing is typed.
std::string ServerConnection(std::string_view typed);

// The settings of this run: read at start, replaced when the 账本位置 window is
// confirmed, and then handed to the saver the program's entry installed.
BookPlaceSettings& CurrentBookPlaceSettings();
using BookPlaceSaver = bool (*)(const std::string& gbkText);
void SetBookPlaceSaver(BookPlaceSaver saver);
bool SaveBookPlaceSettings();

// The book's place as the current settings say, this PC's file kept (its folder also
// holds this PC's own files); the book open now is closed.
void UseBookPlaceSettings();

}  // namespace app
