// notebook pay, payments and statement: payments received and the customer's statement,
// as UTF-8 CSV with amounts in two decimals.
#include <initializer_list>
#include <map>

#include "book/core/BookDate.h"
#include "book/core/BookText.h"
#include "book/core/StatementCsv.h"
#include "tools/notebook/CommandOutput.h"
#include "text/Csv.h"
#include "text/GbkText.h"

namespace notebook {

namespace {

using Options = std::map<std::string, std::string>;

// Reads "--name value" pairs of the given names (and a bare --csv). Options named in
// `required` must be there. False after the usage message.
bool ReadOptions(const std::string& command, const std::vector<std::string>& args,
                 std::initializer_list<const char*> names, std::initializer_list<const char*> required,
                 Options* options, const Output& o) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--csv") continue;
    bool known = false;
    for (const char* name : names) known = known || args[i] == name;
    if (!known || i + 1 == args.size())
      return o.Usage(command + ": unknown or incomplete option " + args[i]), false;
    (*options)[args[i]] = args[i + 1];
    ++i;
  }
  for (const char* name : required)
    if (!options->count(name)) return o.Usage(command + " needs " + name), false;
  for (const char* date : {"--date", "--from", "--to"})
    if (options->count(date) && !book::IsIsoDate(options->at(date)))
      return o.Usage(std::string(date) + ": not a date (YYYY-MM-DD): " + options->at(date)), false;
  return true;
}

// The option's text in GBK; false after saying that GBK cannot write it.
bool GbkOption(const Options& options, const char* name, std::string* gbk, const Output& o) {
  auto it = options.find(name);
  if (it == options.end()) return true;
  if (text::Utf8ToGbk(it->second, gbk)) return true;
  o.Usage(std::string(name) + ": holds characters the book cannot keep");
  return false;
}

void AppendFields(std::initializer_list<std::string> utf8, std::string* csv) {
  bool first = true;
  for (const std::string& field : utf8) {
    if (!first) *csv += ',';
    text::AppendCsvField(field, csv);
    first = false;
  }
  *csv += "\r\n";
}

std::string Out(const std::string& gbk) { return book::GbkToUtf8ForOutput(gbk); }

}  // namespace

int Pay(const BookPlace& place, const std::vector<std::string>& args, const Output& o) {
  Options options;
  book::Payment payment;
  if (!ReadOptions("pay", args, {"--customer", "--date", "--amount", "--remark"},
                   {"--customer", "--date", "--amount"}, &options, o) ||
      !GbkOption(options, "--customer", &payment.customer, o) ||
      !GbkOption(options, "--remark", &payment.remark, o))
    return kExitUsage;
  payment.date = options["--date"];
  if (!book::ParseMoney(options["--amount"], &payment.amount)) return o.Usage("--amount: not a number");
  auto book = OpenBook(place, o);
  std::string why;
  if (!book) return kExitFailure;
  if (!book->RecordPayment(&payment, &why)) return o.Fail(place.name, Out(why));
  *o.out += "recorded payment " + std::to_string(payment.id) + "\n";
  return 0;
}

int PaymentsCsv(const BookPlace& place, const std::vector<std::string>& args, const Output& o) {
  Options options;
  std::string customer;
  if (!ReadOptions("payments", args, {"--customer"}, {"--customer"}, &options, o) ||
      !GbkOption(options, "--customer", &customer, o))
    return kExitUsage;
  auto book = OpenBook(place, o, true);
  if (!book) return kExitFailure;
  book::Answer<std::vector<book::Payment>> payments = book->Payments(customer);
  if (!payments.ok) return o.Fail(place.name, Out(payments.why));
  *o.out += "id,date,amount,remark\r\n";
  for (const book::Payment& p : payments.value)
    AppendFields({std::to_string(p.id), p.date, book::MoneyText(p.amount), Out(p.remark)}, o.out);
  return 0;
}

int StatementCsv(const BookPlace& place, const std::vector<std::string>& args, const Output& o) {
  Options options;
  std::string customer;
  if (!ReadOptions("statement", args, {"--customer", "--from", "--to"}, {"--customer", "--from", "--to"},
                   &options, o) ||
      !GbkOption(options, "--customer", &customer, o))
    return kExitUsage;
  auto book = OpenBook(place, o, true);
  if (!book) return kExitFailure;
  book::Statement s;
  std::string why;
  if (!book->MakeStatement(customer, options["--from"], options["--to"], &s, &why))
    return o.Fail(place.name, Out(why));
  *o.out += book::StatementCsv(s);
  return 0;
}

}  // namespace notebook
