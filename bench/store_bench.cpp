// The book on its two stores at the intended size: 100,000 notes of 5 items from 200
// customers over three years, first in a file, then uploaded into an empty server book.
// Prints, for the file and the server side by side: record one note (goal < 20 ms), one
// customer's list (< 100 ms), a month's statement (< 100 ms), the receivables of every
// customer, and the upload (< 60 s).
//   store_bench CONNECTION [FOLDER [NOTES]]   (an empty server database; the file goes in FOLDER)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchBookData.h"
#include "bench/BenchClock.h"
#include "book/core/NoteBook.h"
#include "book/server/ServerStore.h"

namespace {

int kNotes = 100000;
constexpr int kItemsPerNote = 5, kCustomers = 200, kDays = 3 * 365, kBatch = 1000;

using bench::Customer;
using bench::Date;

book::NoteRecord MakeNote(int i) {
  book::NoteRecord note;
  note.noteDate = Date(i * kDays / kNotes);
  note.number = "NO." + note.noteDate + "-" + std::to_string(i);
  note.customer = Customer(i * 7919 % kCustomers);
  note.handler = "王经理";
  note.printTitle = "鑫隆建材销售单";
  note.filePath = "D:\\送货单\\" + note.number + ".qgd";
  for (int r = 1; r <= kItemsPerNote; ++r) {
    int q = 1 + (i + r) % 40, price = 10 + (i + r * 11) % 90;
    note.items.push_back(book::NoteItem{r, std::to_string(30 + (i * 13 + r * 7) % 90) + "×60",
                                        std::to_string(q), "片", std::to_string(price),
                                        std::to_string(q * price), ""});
    note.total += q * price;
  }
  return note;
}

double MedianMs(int runs, const std::function<void(int)>& f) {
  std::vector<double> ms = bench::SortedRunMs(runs, f);
  return ms[ms.size() / 2];
}

struct Figures {
  double record = 0, list = 0, statement = 0, receivables = 0;
};

// A payment a month from ten customers, in the file before it is uploaded.
void RecordPayments(book::NoteBook& book) {
  std::string why;
  for (int c = 0; c < 10; ++c)
    for (int m = 0; m < 36; ++m) {
      book::Payment p{0, Customer(c), Date(m * 30 + 15), "", 100 * book::kMoneyScale};
      if (!book.RecordPayment(&p, &why)) std::fprintf(stderr, "store_bench: %s\n", why.c_str());
    }
}

Figures Measure(book::NoteBook& book) {
  std::string why;
  Figures f;
  f.record = MedianMs(50, [&](int i) {
    book::NoteRecord note = MakeNote(i);
    note.number = "NEW" + std::to_string(i);
    if (!book.Record(note, &why)) std::fprintf(stderr, "store_bench: %s\n", why.c_str());
  });
  f.list = MedianMs(50, [&](int i) { book.List({Customer(i % kCustomers), "", ""}); });
  book::Statement s;
  f.statement = MedianMs(
      50, [&](int i) { book.MakeStatement(Customer(i % 10), "2023-05-01", "2023-05-31", &s, &why); });
  book::Receivables r;
  f.receivables = MedianMs(5, [&](int) {
    if (!book.MakeReceivables("2024-12-31", &r, &why)) std::fprintf(stderr, "store_bench: %s\n", why.c_str());
  });
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 2) return std::fprintf(stderr, "usage: store_bench CONNECTION [FOLDER]\n"), 2;
  std::string path = (fs::path(argc > 2 ? argv[2] : ".") / "store_bench.db").string();
  if (argc > 3) kNotes = std::max(kBatch, std::atoi(argv[3]));
  for (const char* s : {"", "-wal", "-shm"}) fs::remove(path + s);
  std::string why;
  auto file = book::NoteBook::Open(path, &why);
  if (!file) return std::fprintf(stderr, "store_bench: %s\n", why.c_str()), 1;
  for (int first = 0; first < kNotes; first += kBatch) {
    std::vector<book::NoteRecord> notes;
    for (int i = first; i < first + kBatch; ++i) notes.push_back(MakeNote(i));
    if (!file->RecordAll(notes, &why)) return std::fprintf(stderr, "store_bench: %s\n", why.c_str()), 1;
  }
  RecordPayments(*file);
  auto server = book::OpenServerBook(argv[1], &why);
  if (!server) return std::fprintf(stderr, "store_bench: %s\n", why.c_str()), 1;
  book::CopyCounts counts;
  auto start = std::chrono::steady_clock::now();
  if (!file->CopyInto(*server, &counts, &why))
    return std::fprintf(stderr, "store_bench: %s\n", why.c_str()), 1;
  double upload = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("upload of %zu notes (%zu items, %zu payments) into the server: %.1f s  goal < 60 s\n",
              counts.notes, counts.items, counts.payments, upload);
  Figures onFile = Measure(*file), onServer = Measure(*server);
  std::printf("%-36s %10s %10s\n", "median ms", "file", "server");
  std::printf("%-36s %10.2f %10.2f  goal < 20 ms\n", "record one note", onFile.record, onServer.record);
  std::printf("%-36s %10.2f %10.2f  goal < 100 ms\n", "one customer's list", onFile.list, onServer.list);
  std::printf("%-36s %10.2f %10.2f  goal < 100 ms\n", "a month's statement", onFile.statement,
              onServer.statement);
  std::printf("%-36s %10.2f %10.2f\n", "receivables (every customer)", onFile.receivables,
              onServer.receivables);
  file.reset();
  for (const char* s : {"", "-wal", "-shm"}) fs::remove(path + s);
  return 0;
}
