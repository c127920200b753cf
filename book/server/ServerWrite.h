// Writing steps the server store's calls share, each inside the caller's transaction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "book/core/BookStore.h"
#include "book/server/Odbc.h"

namespace book {

// The customer's id, made or its last use brought up to `now`; 0 for no name.
bool UpsertServerCustomer(odbc::Connection& db, const std::string& name, int64_t now, int64_t* id);
// Rows written by "INSERT … VALUES (…), (…)" of up to kRows rows each: one round trip
// per batch, and the statement of a full batch prepared once and run again.
class RowBatches {
 public:
  // Larger batches were no faster, and the driver dropped the connection on a statement
  // of 1,000 note rows (9,000 parameters).
  static constexpr size_t kRows = 200;
  // `head` up to the column list, `row` one row's "(?, …)", `tail` after the rows.
  RowBatches(odbc::Connection& db, std::string head, std::string row, std::string tail = "");
  ~RowBatches();
  RowBatches(const RowBatches&) = delete;
  RowBatches& operator=(const RowBatches&) = delete;
  // The statement of `rows` rows (1..kRows), its parameters to be bound row after row.
  odbc::Statement& For(size_t rows);
  // Writes `count` rows, kRows a statement: `bind(s, i, &p)` binds row i's parameters
  // from parameter p on, moving p past them. False when a statement fails.
  bool WriteRows(size_t count, const std::function<void(odbc::Statement&, size_t, int*)>& bind);

 private:
  odbc::Connection& db_;
  std::string head_, row_, tail_;
  std::unique_ptr<odbc::Statement> full_, part_;
  size_t partRows_ = 0;
};

// Item rows (note id, item) in batches.
bool WriteItemRows(RowBatches& batches, const std::vector<std::pair<int64_t, const NoteItem*>>& rows);
// The item rows of one note, in few statements.
bool WriteServerItems(odbc::Connection& db, int64_t noteId, const std::vector<NoteItem>& items);
bool WriteServerSettings(odbc::Connection& db, const std::vector<BookContents::Setting>& settings);

}  // namespace book
