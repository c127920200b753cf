// What the program asks the book while the trader types, the list of notes and the
// payments: dates checked and customer names taken by their one rule here, the reading
// done by the store.
#include "book/core/BookDate.h"
#include "book/core/CustomerName.h"
#include "book/core/NoteBookImpl.h"

namespace book {

Answer<std::vector<std::string>> NoteBook::Customers(size_t limit) {
  std::vector<std::string> names;
  std::string reason;
  bool ok = impl_->store->ReadCustomers(limit, &names, &reason);
  return StoreAnswer(ok, std::move(names), reason);
}

Answer<int64_t> NoteBook::NoteCount() {
  int64_t count = 0;
  std::string reason;
  bool ok = impl_->store->ReadNoteCount(&count, &reason);
  return StoreAnswer(ok, std::move(count), reason);
}

Answer<std::optional<LastItem>> NoteBook::LastItemFor(const std::string& customer,
                                                      const std::string& dimensions) {
  std::optional<LastItem> item;
  std::string reason, name = CustomerName(customer);
  if (name.empty() || dimensions.empty()) return {};
  bool ok = impl_->store->ReadLastItem(name, dimensions, &item, &reason);
  return StoreAnswer(ok, std::move(item), reason);
}

Answer<std::vector<NoteSummary>> NoteBook::List(const NoteFilter& filter) {
  if ((!filter.from.empty() && !IsIsoDate(filter.from)) || (!filter.to.empty() && !IsIsoDate(filter.to)))
    return FailedAnswer<std::vector<NoteSummary>>("日期有误：" +
                                                  (IsIsoDate(filter.from) ? filter.to : filter.from));
  NoteFilter named = filter;
  named.customer = CustomerName(filter.customer);
  // A name that trims to nothing is no customer of the book.
  if (!filter.customer.empty() && named.customer.empty()) return {};
  std::vector<NoteSummary> notes;
  std::string reason;
  bool ok = impl_->store->ReadNotes(named, &notes, &reason);
  return StoreAnswer(ok, std::move(notes), reason);
}

Answer<std::vector<Payment>> NoteBook::Payments(const std::string& customer) {
  std::vector<Payment> payments;
  std::string reason, name = CustomerName(customer);
  if (name.empty()) return {};
  bool ok = impl_->store->ReadPayments(name, &payments, &reason);
  return StoreAnswer(ok, std::move(payments), reason);
}

}  // namespace book
