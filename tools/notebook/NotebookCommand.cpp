#include "tools/notebook/NotebookCommand.h"

#include <ctime>
#include <filesystem>
#include <new>
#include <system_error>

#include "book/core/BookDate.h"
#include "book/core/BookText.h"
#include "book/core/NoteBook.h"
#include "book/server/ServerStore.h"
#include "text/Csv.h"
#include "text/GbkText.h"
#include "tools/notebook/CommandOutput.h"
#include "tools/notebook/NoteFiles.h"

namespace notebook {

const char kUsage[] =
    "usage: notebook BOOK COMMAND ..., where BOOK is --book FILE, --server CONNECTION or --dsn NAME\n"
    "       notebook --book FILE import PATH...\n"
    "       notebook --book FILE list [--customer NAME] [--from YYYY-MM-DD] [--to YYYY-MM-DD] --csv\n"
    "       notebook --book FILE pay --customer NAME --date YYYY-MM-DD --amount X [--remark TEXT]\n"
    "       notebook --book FILE payments --customer NAME --csv\n"
    "       notebook --book FILE statement --customer NAME --from YYYY-MM-DD --to YYYY-MM-DD --csv\n"
    "       notebook --book FILE receivables [--as-of YYYY-MM-DD] --csv\n"
    "       notebook --book FILE void NUMBER\n"
    "       notebook --book FILE unvoid NUMBER\n"
    "       notebook --book FILE take-number [--date YYYY-MM-DD]\n"
    "       notebook --book FILE push --server CONNECTION | --dsn NAME\n"
    "  import     record every note file given, or every *.qgd under a folder given\n"
    "  list       the recorded notes, newest first: date,number,customer,total,file (UTF-8 CSV);\n"
    "             a voided note has void in a sixth column\n"
    "  pay        record a payment received from the customer\n"
    "  payments   the customer's payments: id,date,amount,remark\n"
    "  statement  the customer's statement for the period, then its four closing rows\n"
    "  receivables  what every customer owes on the day (default today), aged, then the total\n"
    "  void       take the note out of every statement and sum, keeping its number; unvoid puts it back\n"
    "  take-number  takes the next note number (of today, or the date given) and prints it\n"
    "  push       uploads the book into an empty server book, in one transaction\n";

std::string Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return book::IsoDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::unique_ptr<book::NoteBook> OpenBook(const BookPlace& place, const Output& o, bool mustExist) {
  std::string why;
  if (!place.connection.empty()) {
    auto book = book::OpenServerBook(place.connection, &why);
    if (!book) o.Fail(place.name, book::GbkToUtf8ForOutput(why));
    return book;
  }
  std::error_code error;
  if (mustExist && !std::filesystem::exists(place.file, error)) {
    o.Fail(place.name, "no such book");
    return nullptr;
  }
  auto book = book::NoteBook::Open(place.file, &why);
  if (!book) o.Fail(place.name, book::GbkToUtf8ForOutput(why));
  return book;
}

namespace {

int Import(const BookPlace& place, const std::vector<std::string>& paths, const Output& o) {
  if (paths.empty()) return o.Usage("import needs a file or folder");
  auto book = OpenBook(place, o);
  if (!book) return kExitFailure;
  FoundFiles found;
  for (const std::string& path : paths) FindNoteFiles(path, &found);
  std::vector<book::NoteRecord> notes;
  std::vector<std::pair<std::string, std::string>> skipped = found.unreadable;
  for (const std::string& file : found.files) {
    book::NoteRecord note;
    std::string why;
    if (ReadNoteFile(file, &note, &why))
      notes.push_back(std::move(note));
    else
      skipped.emplace_back(file, why);
  }
  std::string why;
  if (!book->RecordAll(notes, &why)) return o.Fail(place.name, book::GbkToUtf8ForOutput(why));
  *o.out += "imported " + std::to_string(notes.size()) + ", skipped " + std::to_string(skipped.size()) + "\n";
  for (const auto& [file, reason] : skipped) o.Fail(file, reason);
  return skipped.empty() ? 0 : kExitFailure;
}

void AppendNoteLine(const book::NoteSummary& note, std::string* csv) {
  for (const std::string* gbk : {&note.noteDate, &note.number, &note.customer}) {
    text::AppendCsvField(book::GbkToUtf8ForOutput(*gbk), csv);
    *csv += ',';
  }
  *csv += book::MoneyDecimal(note.total) + ',';
  text::AppendCsvField(book::GbkToUtf8ForOutput(note.filePath), csv);
  *csv += note.voided ? ",void\r\n" : "\r\n";
}

int List(const BookPlace& place, const std::vector<std::string>& args, const Output& o) {
  book::NoteFilter filter;
  std::string customer;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--csv") continue;
    if (i + 1 == args.size()) return o.Usage("list: unknown or incomplete option " + a);
    std::string* target = a == "--customer" ? &customer
                          : a == "--from"   ? &filter.from
                          : a == "--to"     ? &filter.to
                                            : nullptr;
    if (!target) return o.Usage("list: unknown option " + a);
    *target = args[++i];
    if (target != &customer && !book::IsIsoDate(*target))
      return o.Usage(a + ": not a date (YYYY-MM-DD): " + *target);
  }
  // A name GBK cannot write is no customer of the book: the list is empty.
  if (!customer.empty() && !text::Utf8ToGbk(customer, &filter.customer)) filter.customer = "\xFF";
  auto book = OpenBook(place, o, true);
  if (!book) return kExitFailure;
  book::Answer<std::vector<book::NoteSummary>> notes = book->List(filter);
  if (!notes.ok) return o.Fail(place.name, book::GbkToUtf8ForOutput(notes.why));
  *o.out += "date,number,customer,total,file\r\n";
  for (const book::NoteSummary& note : notes.value) AppendNoteLine(note, o.out);
  return 0;
}

}  // namespace

int RunNotebook(const std::vector<std::string>& args, std::string* out, std::string* err) {
  out->clear();
  err->clear();
  Output o{out, err};
  BookPlace place;
  if (args.size() < 3 || !ReadPlace(args[0], args[1], &place)) return o.Usage();
  std::vector<std::string> rest(args.begin() + 3, args.end());
  try {
    if (args[2] == "import") return Import(place, rest, o);
    if (args[2] == "list") return List(place, rest, o);
    if (args[2] == "pay") return Pay(place, rest, o);
    if (args[2] == "payments") return PaymentsCsv(place, rest, o);
    if (args[2] == "statement") return StatementCsv(place, rest, o);
    if (args[2] == "take-number") return TakeNumber(place, rest, o);
    if (args[2] == "push") return Push(place, rest, o);
    if (args[2] == "receivables") return ReceivablesCsv(place, rest, o);
    if (args[2] == "void") return SetVoided(place, rest, true, o);
    if (args[2] == "unvoid") return SetVoided(place, rest, false, o);
    return o.Usage("unknown command " + args[2]);
  } catch (const std::bad_alloc&) {
    out->clear();
    return o.Fail("notebook", "out of memory");
  }
}

}  // namespace notebook
