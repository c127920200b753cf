// notebook receivables, void and unvoid: what every customer owes, and notes written by
// mistake taken out of every sum (and put back) without losing their numbers.
#include "book/core/BookDate.h"
#include "book/core/BookText.h"
#include "book/core/ReceivablesCsv.h"
#include "text/GbkText.h"
#include "tools/notebook/CommandOutput.h"

namespace notebook {

int ReceivablesCsv(const BookPlace& place, const std::vector<std::string>& args, const Output& o) {
  std::string asOf;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--csv") continue;
    if (args[i] != "--as-of" || i + 1 == args.size())
      return o.Usage("receivables: unknown or incomplete option " + args[i]);
    asOf = args[++i];
    if (!book::IsIsoDate(asOf)) return o.Usage("--as-of: not a date (YYYY-MM-DD): " + asOf);
  }
  if (asOf.empty()) asOf = Today();
  auto book = OpenBook(place, o, true);
  if (!book) return kExitFailure;
  book::Receivables receivables;
  std::string why;
  if (!book->MakeReceivables(asOf, &receivables, &why))
    return o.Fail(place.name, book::GbkToUtf8ForOutput(why));
  *o.out += book::ReceivablesCsv(receivables);
  return 0;
}

int SetVoided(const BookPlace& place, const std::vector<std::string>& args, bool voided, const Output& o) {
  const char* command = voided ? "void" : "unvoid";
  if (args.size() != 1) return o.Usage(std::string(command) + " needs one note number");
  std::string number;
  if (!text::Utf8ToGbk(args[0], &number)) return o.Usage("the number holds characters the book cannot keep");
  auto book = OpenBook(place, o, true);
  if (!book) return kExitFailure;
  std::string why;
  if (!book->SetVoided(number, voided, &why)) return o.Fail(place.name, book::GbkToUtf8ForOutput(why));
  *o.out += std::string(voided ? "voided " : "unvoided ") + args[0] + "\n";
  return 0;
}

}  // namespace notebook
