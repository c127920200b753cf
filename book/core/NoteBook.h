// The note book: every saved note recorded, so numbers continue by themselves and
// customers and prices are remembered while typing. Platform-free. The book is the
// trader's rules over a store (BookStore.h): one SQLite file on this PC, or a database
// server several PCs share. Texts are GBK on this interface; each store converts them
// at its edge. Amounts and prices stay the cell texts the trader typed.
//
// A NoteBook is one connection. Programs sharing a book never get the same number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "book/core/Money.h"
#include "book/core/Receivables.h"

namespace book {

struct NoteItem {  // GBK cell texts, row 1..20
  int row = 0;
  std::string dimensions, quantity, unit, price, amount, remarks;
};

struct NoteRecord {
  std::string number, customer, handler;  // GBK; from the title cells
  std::string noteDate;                   // "YYYY-MM-DD" ("" when the title has none)
  std::string printTitle, filePath;       // GBK; filePath as the program saved it
  Money total = 0;                        // the amounts as the note's total reads them
  std::vector<NoteItem> items;            // non-empty item rows only
};

// Reads a note from a grid's cell texts (GBK): rows 0,1 titles, 3..22 items, amounts col 5.
// False with a reason (GBK) when the grid is not a note (fewer than 23 rows / 7 cols, no
// "销售单号：" title ...). Fills every field but printTitle and filePath, which are the
// caller's to set. Title fields are trimmed (the customer by CustomerName); item texts are
// kept exactly. False also when an amount is beyond what the book can add up.
using CellTextFn = std::function<std::string(int row, int col)>;
bool ReadNote(const CellTextFn& cell, int rowCount, int colCount, NoteRecord* note, std::string* why);

struct NumberFormat {
  std::string prefix = "NO.";  // GBK
  bool withDate = true;        // yyyyMMdd between prefix and serial
  int serialDigits = 3;
};

struct NoteSummary {
  int64_t id = 0;
  std::string noteDate, number, customer, filePath;  // GBK; date "YYYY-MM-DD" or ""
  Money total = 0;      // its amount cells, each read as the note's own total reads it
  bool voided = false;  // kept and listed, counted nowhere
};

struct NoteFilter {  // "" = any; dates YYYY-MM-DD inclusive
  std::string customer, from, to;
};

struct LastItem {
  std::string unit, price;  // GBK cell texts
};

struct Payment {                       // money a customer paid
  int64_t id = 0;                      // the book's, once recorded
  std::string customer, date, remark;  // GBK; date YYYY-MM-DD
  Money amount = 0;                    // more than zero, whole fen
};

// One line of a statement: an item row of a note (its cell texts), or a payment, whose
// remark stands under `dimensions` and amount (two decimals) under `amount`.
struct StatementLine {
  std::string date, number, dimensions, quantity, unit, price, amount, remarks;  // GBK
  bool payment = false;
};

struct Statement {
  std::string customer, from, to;    // GBK; the period, dates inclusive
  std::vector<StatementLine> lines;  // by date, then number; a day's payments after its notes
  Money opening = 0;                 // delivered minus paid before the period
  Money delivered = 0;               // the amounts of the period's item rows
  Money paid = 0;                    // the period's payments
  Money closing = 0;                 // opening + delivered - paid
};

// What a query answers: its value, or (ok false, value empty) why the book could not
// answer (GBK), so a failed read is never taken for an empty list.
template <class T>
struct Answer {
  T value{};
  bool ok = true;
  std::string why;
};

// How long a call waits for another program that is writing the book.
inline constexpr int kBookWaitMs = 5000;

class BookStore;

// What copying a book into an empty one carried over.
struct CopyCounts {
  size_t notes = 0, items = 0, payments = 0, customers = 0, serials = 0;
};

class NoteBook {
 public:
  ~NoteBook();
  NoteBook(const NoteBook&) = delete;
  NoteBook& operator=(const NoteBook&) = delete;

  // Opens (creating folder-less file if missing) and upgrades the schema. Null with a reason
  // (GBK) when the file is damaged, not a book, locked or newer; never alters such a file.
  static std::unique_ptr<NoteBook> Open(const std::string& pathUtf8, std::string* why,
                                        int waitMs = kBookWaitMs);
  // The book over any store (a server book, say).
  static std::unique_ptr<NoteBook> OnStore(std::unique_ptr<BookStore> store);

  // One transaction; a note already recorded under the same number, or from the same
  // file (one file holds one note, renumbered or not), is replaced, never duplicated.
  bool Record(const NoteRecord& note, std::string* why);
  // Every note in one transaction: all are recorded, or (with the reason) none.
  bool RecordAll(const std::vector<NoteRecord>& notes, std::string* why);

  // Takes the next number for the day in a transaction, so two programs never hand out
  // the same one.
  bool NextNumber(const std::string& todayYmd /*YYYY-MM-DD*/, std::string* number, std::string* why);

  Answer<NumberFormat> GetNumberFormat();
  bool SetNumberFormat(const NumberFormat& format, std::string* why);

  // Customer names given to the book are taken by CustomerName's rule.
  Answer<std::vector<std::string>> Customers(size_t limit = 200);  // GBK, most recent first
  // Unit and price of `dimensions` in that customer's latest note holding it.
  Answer<std::optional<LastItem>> LastItemFor(const std::string& customer, const std::string& dimensions);
  Answer<std::vector<NoteSummary>> List(const NoteFilter& filter);  // newest first
  Answer<int64_t> NoteCount();                                      // voided ones too

  // Checks the payment (customer, date, amount) and records it; its id goes back in it.
  bool RecordPayment(Payment* payment, std::string* why);
  bool DeletePayment(int64_t id, std::string* why);
  Answer<std::vector<Payment>> Payments(const std::string& customer);  // by date, then as recorded
  // What the customer got and paid in the period, and what is owed. Notes without a date
  // belong to no period. Amount cells count as ReadAmount reads them.
  bool MakeStatement(const std::string& customer, const std::string& from, const std::string& to,
                     Statement* statement, std::string* why);

  // Every customer's debt on `asOf` (YYYY-MM-DD), aged (Receivables.h), the notes'
  // amounts counted as the statement counts them.
  bool MakeReceivables(const std::string& asOf, Receivables* receivables, std::string* why);

  // A voided note keeps its number and record (recording it again keeps it voided) but
  // counts in no statement, receivables or remembered price. Notes are found by number.
  bool SetVoided(const std::string& number, bool voided, std::string* why);
  // Whether the note with that number is voided (false when there is none).
  Answer<bool> IsVoided(const std::string& number);

  // A consistent copy of the book in the file at `pathUtf8` (replaced), made while other
  // programs keep using the book.
  bool BackupTo(const std::string& pathUtf8, std::string* why);
  // Replaces the book's content with the backup at `pathUtf8`, after keeping the book as
  // it was in `keepUtf8`. A file that is not a usable book is refused and nothing changes.
  bool RestoreFrom(const std::string& pathUtf8, const std::string& keepUtf8, std::string* why);

  // Copies everything this book holds into `target`, which must hold no notes and no
  // payments (else refused, nothing changed), in one transaction of the target.
  bool CopyInto(NoteBook& target, CopyCounts* counts, std::string* why);

 private:
  struct Impl;
  explicit NoteBook(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace book
