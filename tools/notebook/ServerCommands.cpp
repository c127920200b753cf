// The commands for shared books: where the book is, taking a number, and uploading a
// file book into an empty server book.
#include "book/core/BookDate.h"
#include "book/core/BookText.h"
#include "text/GbkText.h"
#include "tools/notebook/CommandOutput.h"

namespace notebook {

namespace {

// A connection string as the store takes it (GBK); the shell gave UTF-8.
std::string ConnectionText(const std::string& utf8) {
  std::string gbk;
  return text::Utf8ToGbk(utf8, &gbk) ? gbk : utf8;
}

}  // namespace

bool ReadPlace(const std::string& option, const std::string& value, BookPlace* place) {
  if (option == "--book") {
    *place = BookPlace{value, "", value};
  } else if (option == "--server") {
    *place = BookPlace{"", ConnectionText(value), "server"};
  } else if (option == "--dsn") {
    *place = BookPlace{"", ConnectionText("DSN=" + value + ";"), "DSN " + value};
  } else {
    return false;
  }
  return !value.empty();
}

int TakeNumber(const BookPlace& place, const std::vector<std::string>& args, const Output& o) {
  std::string date = Today();
  if (args.size() == 2 && args[0] == "--date")
    date = args[1];
  else if (!args.empty())
    return o.Usage("take-number: unknown or incomplete option " + args[0]);
  if (!book::IsIsoDate(date)) return o.Usage("--date: not a date (YYYY-MM-DD): " + date);
  auto book = OpenBook(place, o);
  if (!book) return kExitFailure;
  std::string number, why;
  if (!book->NextNumber(date, &number, &why)) return o.Fail(place.name, book::GbkToUtf8ForOutput(why));
  *o.out += book::GbkToUtf8ForOutput(number) + "\n";
  return 0;
}

int Push(const BookPlace& place, const std::vector<std::string>& args, const Output& o) {
  BookPlace target;
  if (args.size() != 2 || args[0] == "--book" || !ReadPlace(args[0], args[1], &target))
    return o.Usage("push needs --server CONNECTION or --dsn NAME");
  if (!place.connection.empty()) return o.Usage("push uploads a file book: give it with --book");
  auto from = OpenBook(place, o, true);
  if (!from) return kExitFailure;
  auto to = OpenBook(target, o);
  if (!to) return kExitFailure;
  book::CopyCounts counts;
  std::string why;
  if (!from->CopyInto(*to, &counts, &why)) return o.Fail(target.name, book::GbkToUtf8ForOutput(why));
  *o.out += "uploaded " + std::to_string(counts.notes) + " notes, " + std::to_string(counts.items) +
            " items, " + std::to_string(counts.payments) + " payments, " + std::to_string(counts.customers) +
            " customers, " + std::to_string(counts.serials) + " serials\n";
  return 0;
}

}  // namespace notebook
