// What the program asks the book while the trader types, the list of notes and the
// payments: the dates checked here, the reading done by the store.
#include "book/core/BookDate.h"
#include "book/core/NoteBookImpl.h"

namespace book {

std::vector<std::string> NoteBook::Customers(size_t limit) {
  std::vector<std::string> names;
  std::string reason;
  if (impl_->Done(impl_->store->ReadCustomers(limit, &names, &reason), reason, nullptr)) return names;
  return {};
}

std::optional<LastItem> NoteBook::LastItemFor(const std::string& customer, const std::string& dimensions) {
  std::optional<LastItem> item;
  std::string reason;
  if (customer.empty() || dimensions.empty()) {
    impl_->Succeeded();
    return std::nullopt;
  }
  if (impl_->Done(impl_->store->ReadLastItem(customer, dimensions, &item, &reason), reason, nullptr))
    return item;
  return std::nullopt;
}

std::vector<NoteSummary> NoteBook::List(const NoteFilter& filter) {
  if ((!filter.from.empty() && !IsIsoDate(filter.from)) || (!filter.to.empty() && !IsIsoDate(filter.to))) {
    impl_->Fail("日期有误：" + (IsIsoDate(filter.from) ? filter.to : filter.from), nullptr);
    return {};
  }
  std::vector<NoteSummary> notes;
  std::string reason;
  if (impl_->Done(impl_->store->ReadNotes(filter, &notes, &reason), reason, nullptr)) return notes;
  return {};
}

std::vector<Payment> NoteBook::Payments(const std::string& customer) {
  std::vector<Payment> payments;
  std::string reason;
  if (impl_->Done(impl_->store->ReadPayments(customer, &payments, &reason), reason, nullptr)) return payments;
  return {};
}

}  // namespace book
