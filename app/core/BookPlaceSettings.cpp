#include "app/core/BookPlaceSettings.h"

#include "app/core/NoteBookAccess.h"
#include "app/core/SettingsText.h"

namespace app {

namespace {

// A line break would end the value in the file: it is dropped, as no connection
// string holds one.
std::string OneLine(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

std::string Tidy(std::string_view s) {
  std::string one = OneLine(s);
  return std::string(TrimSetting(one));
}

BookPlaceSaver g_saver = nullptr;

}  // namespace

// A place other than "server", or a server without a connection, is the local book.
BookPlaceSettings ParseBookPlaceSettings(std::string_view text) {
  BookPlaceSettings s;
  ForEachSetting(text, "[book]", [&s](std::string_view key, std::string_view value) {
    if (SameWord(key, "Place")) s.onServer = SameWord(value, "server");
    if (SameWord(key, "Connection")) s.connection = Tidy(value);
  });
  if (ServerConnection(s.connection).empty()) s.onServer = false;
  return s;
}

std::string FormatBookPlaceSettings(const BookPlaceSettings& s) {
  std::string t = "[book]\r\n";
  t += std::string("Place=") + (s.onServer ? "server" : "local") + "\r\n";
  t += "Connection=" + Tidy(s.connection) + "\r\n";
  return t;
}

std::string ServerConnection(std::string_view typed) {
  std::string text = Tidy(typed);
  if (text.empty() || text.find('=') != std::string::npos) return text;
  return "DSN=" + text + ";";
}

BookPlaceSettings& CurrentBookPlaceSettings() {
  static BookPlaceSettings settings;
  return settings;
}

void SetBookPlaceSaver(BookPlaceSaver saver) { g_saver = saver; }

bool SaveBookPlaceSettings() {
  return g_saver && g_saver(FormatBookPlaceSettings(CurrentBookPlaceSettings()));
}

void UseBookPlaceSettings() {
  const BookPlaceSettings& s = CurrentBookPlaceSettings();
  SetNoteBookPlace(BookPlace{NoteBookPath(), s.onServer ? ServerConnection(s.connection) : std::string()});
}

}  // namespace app
