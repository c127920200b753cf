// Where a book keeps what it holds: one database behind a small interface. NoteBook
// holds the trader's rules (the checks and their texts, the numbering format, the
// statement's arithmetic); a store only reads and writes, each call in one transaction
// of its database, and answers false with a reason (GBK) it cannot do so.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "book/core/NoteBook.h"

namespace book {

// A customer's rows for a statement, in statement order: the item rows of dated notes
// (as StatementLine, `payment` false) and the payments with their exact amounts.
struct LedgerRows {
  std::vector<StatementLine> items;
  struct Paid {
    std::string date, remark;
    Money amount = 0;
  };
  std::vector<Paid> payments;
};

// What the receivables are made of, up to a day: each dated note that is not voided
// (its customer, date and amount cells) and each payment.
struct ReceivableRows {
  struct Delivery {
    std::string customer, date;
    std::vector<std::string> amounts;
  };
  struct Paid {
    std::string customer, date;
    Money amount = 0;
  };
  std::vector<Delivery> deliveries;
  std::vector<Paid> payments;
};

// Everything a book holds, for copying one book into another.
struct BookContents {
  struct Customer {
    std::string name;
    int64_t lastUsed = 0;
  };
  struct Note {
    NoteRecord record;
    int64_t savedAt = 0;
    bool voided = false;
  };
  struct Setting {
    std::string key, value;
  };
  struct Serial {
    std::string stem;
    int64_t last = 0;
  };
  std::vector<Customer> customers;
  std::vector<Note> notes;        // in the order they were recorded
  std::vector<Payment> payments;  // customer by name
  std::vector<Setting> settings;  // the numbering format and the clock
  std::vector<Serial> serials;
};

// The serial's number text, made by the rules.
using NumberOfSerial = std::function<std::string(int64_t serial)>;

class BookStore {
 public:
  virtual ~BookStore() = default;

  // Each note replaces the record under its number (or, without one, its file path); a
  // numbered note drops the unnumbered record of its path. All or none.
  virtual bool WriteNotes(const std::vector<NoteRecord>& notes, std::string* why) = 0;
  // The stem's serial is locked, counted up past numbers already on notes, stored.
  virtual bool TakeSerial(const std::string& stem, const NumberOfSerial& numberOf, std::string* number,
                          std::string* why) = 0;
  // The settings whose keys start with `prefix`, values as text.
  virtual bool ReadSettings(const std::string& prefix, std::vector<BookContents::Setting>* settings,
                            std::string* why) = 0;
  virtual bool WriteSettings(const std::vector<BookContents::Setting>& settings, std::string* why) = 0;

  virtual bool ReadCustomers(size_t limit, std::vector<std::string>* names, std::string* why) = 0;
  virtual bool ReadLastItem(const std::string& customer, const std::string& dimensions,
                            std::optional<LastItem>* item, std::string* why) = 0;
  virtual bool ReadNoteCount(int64_t* count, std::string* why) = 0;
  // Dates already checked; newest first.
  virtual bool ReadNotes(const NoteFilter& filter, std::vector<NoteSummary>* notes, std::string* why) = 0;

  virtual bool WritePayment(Payment* payment, std::string* why) = 0;
  virtual bool DeletePayment(int64_t id, std::string* why) = 0;
  virtual bool ReadPayments(const std::string& customer, std::vector<Payment>* payments,
                            std::string* why) = 0;
  // In one read transaction: the rows dated before `from` and those from..to.
  virtual bool ReadLedger(const std::string& customer, const std::string& from, const std::string& to,
                          LedgerRows* before, LedgerRows* period, std::string* why) = 0;

  // In one read: the customers' dated notes (voided ones left out) and payments up to `asOf`.
  virtual bool ReadReceivables(const std::string& asOf, ReceivableRows* rows, std::string* why) = 0;
  // Marks the note with that number voided or not; *found false when there is none.
  virtual bool WriteVoided(const std::string& number, bool voided, bool* found, std::string* why) = 0;
  // Whether the note with that number is voided (false when there is none).
  virtual bool ReadVoided(const std::string& number, bool* voided, std::string* why) = 0;

  // A consistent copy of everything, and everything written into a book that holds no
  // notes and no payments (refused, nothing changed, when it does), in one transaction.
  virtual bool ReadAll(BookContents* contents, std::string* why) = 0;
  virtual bool WriteAllIntoEmpty(const BookContents& contents, std::string* why) = 0;

  // A book file at `pathUtf8` (replaced) with everything this one holds.
  virtual bool BackupTo(const std::string& pathUtf8, std::string* why) = 0;
  // Replaces the content with the book file at `pathUtf8`, after keeping it in `keepUtf8`.
  virtual bool RestoreFrom(const std::string& pathUtf8, const std::string& keepUtf8, std::string* why) = 0;
};

}  // namespace book
