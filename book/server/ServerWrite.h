// Writing steps the server store's calls share, each inside the caller's transaction.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "book/core/BookStore.h"
#include "book/server/Odbc.h"

namespace book {

// The customer's id, made or its last use brought up to `now`; 0 for no name.
bool UpsertServerCustomer(odbc::Connection& db, const std::string& name, int64_t now, int64_t* id);
// The item rows of notes (by id), in few statements.
bool WriteServerItems(odbc::Connection& db,
                      const std::vector<std::pair<int64_t, const std::vector<NoteItem>*>>& notes);
bool WriteServerSettings(odbc::Connection& db, const std::vector<BookContents::Setting>& settings);

}  // namespace book
