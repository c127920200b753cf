#include "app/core/BookPlaceSettings.h"

#include <cctype>

#include "app/core/NoteBookAccess.h"

namespace app {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

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
  return std::string(Trim(one));
}

BookPlaceSaver g_saver = nullptr;

}  // namespace

// Lines outside [book], comments and lines without "=" are passed over; a place other
// than "server", or a server without a connection, is the local book.
BookPlaceSettings ParseBookPlaceSettings(std::string_view text) {
  BookPlaceSettings s;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool inSection = false;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    if (!line.empty() && line.front() == '[') {
      inSection = SameWord(line, "[book]");
    } else if (inSection && !line.empty() && line.front() != ';' && line.front() != '#') {
      size_t eq = line.find('=');
      std::string_view key = Trim(line.substr(0, eq)), value = Trim(line.substr(eq + 1));
      if (eq != std::string_view::npos && SameWord(key, "Place")) s.onServer = SameWord(value, "server");
      if (eq != std::string_view::npos && SameWord(key, "Connection")) s.connection = Tidy(value);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
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
