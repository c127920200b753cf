// The note book at its intended size: 100,000 notes of 5 items each, from 200 customers
// over three years. Prints the three figures the book is held to, with the cost of the
// other calls the program makes while the trader types:
//   record one note (goal < 20 ms), list one customer's notes (goal < 100 ms),
//   file size (goal <= 60 MB), one customer's statement for a month (goal < 100 ms).
// Then a second book of 100,000 notes of 1,000 customers, with two payments each, for the
// receivables of all customers on a day (goal < 300 ms).
//   book_bench [FOLDER]   (the books are made in FOLDER, default the current one, and removed)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchBookData.h"
#include "bench/BenchClock.h"
#include "book/core/CellAmount.h"
#include "book/core/NoteBook.h"

namespace {

constexpr int kNotes = 100000, kItemsPerNote = 5, kDays = 3 * 365;
int customerCount = 200;  // of the book being filled: 1,000 for the receivables book
constexpr int kBatch = 1000;

const char* const kUnits[] = {"平方米", "立方米", "米", "套", "片", "块"};
const char* const kRemarks[] = {"", "", "", "送货上门", "加急"};

using bench::Customer;
using bench::Date;

book::NoteRecord MakeNote(int i) {
  book::NoteRecord note;
  note.noteDate = Date(i * kDays / kNotes);
  std::string ymd = note.noteDate.substr(0, 4) + note.noteDate.substr(5, 2) + note.noteDate.substr(8, 2);
  note.number = "NO." + ymd + std::to_string(1000 + i % 1000).substr(1);
  note.customer = Customer(i * 7919 % customerCount);
  note.handler = "王经理";
  note.printTitle = "鑫隆建材销售单";
  note.filePath = "D:\\送货单\\" + note.noteDate.substr(0, 4) + "\\" + note.number + ".qgd";
  for (int r = 1; r <= kItemsPerNote; ++r) {
    int w = 30 + (i * 13 + r * 7) % 90, h = 30 + (i * 17 + r * 3) % 60, q = 1 + (i + r) % 40;
    std::string price = std::to_string(10 + (i + r * 11) % 90) + ".5";
    double amount = q * std::stod(price);
    char amountText[32];
    std::snprintf(amountText, sizeof amountText, "%.13g", amount);
    note.items.push_back(book::NoteItem{r, std::to_string(w) + "×" + std::to_string(h), std::to_string(q),
                                        kUnits[(i + r) % 6], price, amountText, kRemarks[(i + r) % 5]});
    book::AddAmount(amountText, &note.total);
  }
  return note;
}

void Report(const char* what, const std::vector<double>& ms, const char* goal) {
  std::printf("%-44s median %8.3f ms  max %8.3f ms  (%zu runs)%s\n", what, ms[ms.size() / 2], ms.back(),
              ms.size(), goal);
}

bool Fill(const std::string& path, int customers) {
  customerCount = customers;
  std::string why;
  auto book = book::NoteBook::Open(path, &why);
  if (!book) return std::fprintf(stderr, "book_bench: %s\n", why.c_str()), false;
  auto start = std::chrono::steady_clock::now();
  for (int first = 0; first < kNotes; first += kBatch) {
    std::vector<book::NoteRecord> notes;
    for (int i = first; i < first + kBatch; ++i) notes.push_back(MakeNote(i));
    if (!book->RecordAll(notes, &why)) return std::fprintf(stderr, "book_bench: %s\n", why.c_str()), false;
  }
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-44s %8.1f s (%d notes of %d customers in transactions of %d)\n", "filling the book", s,
              kNotes, customerCount, kBatch);
  return true;
}

void Measure(const std::string& path) {
  std::string why;
  std::unique_ptr<book::NoteBook> book;
  Report("open the book", bench::SortedRunMs(10, [&](int) { book = book::NoteBook::Open(path, &why); }), "");
  Report("record one new note (synced)",
         bench::SortedRunMs(50,
                            [&](int i) {
                              book::NoteRecord note = MakeNote(i);
                              note.number = "NEW" + std::to_string(i);
                              book->Record(note, &why);
                            }),
         "  goal < 20 ms");
  Report("record a note again (replaces, synced)",
         bench::SortedRunMs(50, [&](int i) { book->Record(MakeNote(i * 37), &why); }), "");
  size_t rows = 0;
  Report("list one customer's notes",
         bench::SortedRunMs(50,
                            [&](int i) {
                              rows = book->List({Customer(i % customerCount), "", ""}).value.size();
                            }),
         "  goal < 100 ms");
  std::printf("%-44s %zu notes each\n", "  (one customer has about)", rows);
  Report("list one customer's notes in one month",
         bench::SortedRunMs(50,
                            [&](int i) {
                              book->List({Customer(i % customerCount), "2023-05-01", "2023-05-31"});
                            }),
         "");
  Report("list the whole book", bench::SortedRunMs(5, [&](int) { rows = book->List({}).value.size(); }), "");
  Report("last unit and price of a size",
         bench::SortedRunMs(200,
                            [&](int i) {
                              book->LastItemFor(
                                  Customer(i % customerCount),
                                  std::to_string(30 + i % 90) + "×" + std::to_string(30 + i % 60));
                            }),
         "");
  Report("... of one the customer never bought",
         bench::SortedRunMs(50, [&](int i) { book->LastItemFor(Customer(i), "no such"); }), "");
  Report("customers for completion", bench::SortedRunMs(50, [&](int) { book->Customers(); }), "");
  for (int c = 0; c < 10; ++c)  // monthly payments for the customers the statements are of
    for (int m = 0; m < 36; ++m) {
      book::Payment p{0, Customer(c), Date(m * 30 + 15), "", 100 * book::kMoneyScale};
      book->RecordPayment(&p, &why);
    }
  book::Statement statement;
  Report("statement of one customer for one month",
         bench::SortedRunMs(50,
                            [&](int i) {
                              book->MakeStatement(Customer(i % 10), "2023-05-01", "2023-05-31", &statement,
                                                  &why);
                            }),
         "  goal < 100 ms");
  std::printf("%-44s %zu lines\n", "  (a month's statement has about)", statement.lines.size());
  Report("statement of one customer for a year",
         bench::SortedRunMs(20,
                            [&](int i) {
                              book->MakeStatement(Customer(i % 10), "2023-01-01", "2023-12-31", &statement,
                                                  &why);
                            }),
         "");
  std::string number;
  Report("next number (synced)",
         bench::SortedRunMs(50, [&](int) { book->NextNumber("2024-06-01", &number, &why); }), "");
}

// Every customer's debt, aged, on a day in the book's last year and on its last day.
void MeasureReceivables(const std::string& path) {
  std::string why;
  auto book = book::NoteBook::Open(path, &why);
  for (int c = 0; c < customerCount; ++c)
    for (int day : {200, 900}) {
      book::Payment p{0, Customer(c), Date(day + c % 30), "", (500 + c) * book::kMoneyScale};
      if (!book->RecordPayment(&p, &why)) std::fprintf(stderr, "book_bench: %s\n", why.c_str());
    }
  book::Receivables r;
  for (const char* day : {"2024-06-30", "2024-12-31"}) {
    std::string what = std::string("receivables of all customers on ") + day;
    std::vector<double> cpu;  // processor time, which other programs' load hardly changes
    Report(what.c_str(),
           bench::SortedRunMs(10,
                              [&](int) {
                                std::clock_t start = std::clock();
                                if (!book->MakeReceivables(day, &r, &why))
                                  std::fprintf(stderr, "book_bench: %s\n", why.c_str());
                                cpu.push_back((std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
                              }),
           "  goal < 300 ms");
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-44s median %8.3f ms\n", "  (processor time)", cpu[cpu.size() / 2]);
  }
  std::printf("%-44s %zu customers, %s owed\n", "  (the summary has)", r.rows.size(),
              book::MoneyText(r.total.owed).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::string path = (fs::path(argc > 1 ? argv[1] : ".") / "book_bench.db").string();
  for (const char* s : {"", "-wal", "-shm"}) fs::remove(path + s);
  if (!Fill(path, 200)) return 1;
  std::printf("%-44s %8.1f MB  goal <= 60 MB\n", "book file size", double(fs::file_size(path)) / (1 << 20));
  Measure(path);
  std::printf("%-44s %8.1f MB\n", "book file size after the timed writes",
              double(fs::file_size(path)) / (1 << 20));
  for (const char* s : {"", "-wal", "-shm"}) fs::remove(path + s);
  if (!Fill(path, 1000)) return 1;
  MeasureReceivables(path);
  for (const char* s : {"", "-wal", "-shm"}) fs::remove(path + s);
  return 0;
}
